#pragma once
// Every modal dialog of the program is run through here, so that tests can
// drive a dialog (press its buttons) instead of entering a modal loop.

#include <functional>

class QDialog;

namespace pf {

using ModalRunner = std::function<int(QDialog&)>;

// Shows `dialog` modally and returns its result (QDialog::Accepted/Rejected).
int runModal(QDialog& dialog);

// Replaces the modal loop (tests); an empty runner restores QDialog::exec.
void setModalRunner(ModalRunner runner);

} // namespace pf
