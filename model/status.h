#pragma once
// How the core reports a failure the organiser must be told about: the message
// from texts.h (UTF-8), empty on success. An operation without a value returns
// a Status; one with a value returns a struct holding the value beside the
// same `error` and `ok()`. Windows show the message under ErrorTitle, the
// command-line tool prints it.

#include <string>

namespace pf {

struct Status {
    std::string error;

    bool ok() const { return error.empty(); }
    explicit operator bool() const { return ok(); }

    static Status failure(const char* message) { return Status{message}; }
};

} // namespace pf
