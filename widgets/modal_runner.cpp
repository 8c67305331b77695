#include "widgets/modal_runner.h"

#include <QDialog>

namespace pf {
namespace {

ModalRunner& installed() {
    static ModalRunner runner;
    return runner;
}

} // namespace

int runModal(QDialog& dialog) {
    if (const ModalRunner& runner = installed())
        return runner(dialog);
    return dialog.exec();
}

void setModalRunner(ModalRunner runner) {
    installed() = std::move(runner);
}

} // namespace pf
