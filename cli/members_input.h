#pragma once
// --encoding sjis|utf8 of the commands that read a members file.

#include "cli/cli_support.h"
#include "members/members_file.h"

namespace pf::cli {

inline void addEncodingOption(CommandLine& cmd) {
    cmd.parser().addOption(
        {QStringLiteral("encoding"),
         QStringLiteral("Encoding of the members file (default: UTF-8 when it has a byte-order "
                        "mark or is valid UTF-8 beyond ASCII, else Shift-JIS)."),
         QStringLiteral("sjis|utf8")});
}

// nullopt for a value other than sjis or utf8.
inline std::optional<MembersEncoding> membersEncoding(const CommandLine& cmd) {
    const auto text = cmd.value(QStringLiteral("encoding"));
    if (!text)
        return MembersEncoding::Detect;
    if (*text == QLatin1String("sjis"))
        return MembersEncoding::ShiftJis;
    if (*text == QLatin1String("utf8"))
        return MembersEncoding::Utf8;
    return std::nullopt;
}

} // namespace pf::cli
