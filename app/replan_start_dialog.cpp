#include "app/replan_start_dialog.h"

#include "model/session.h"
#include "widgets/dialog_buttons.h"

#include <QLabel>
#include <QSpinBox>

namespace pf {

ReplanStartDialog::ReplanStartDialog(int proposed, int courts, QWidget* parent)
    : QDialog(parent), courts_(courts) {
    setObjectName(QStringLiteral("replanStartDialog"));
    setWindowTitle(QStringLiteral("メンバー変更"));

    auto* before = new QLabel(QStringLiteral("第"), this);
    startSpin_ = new QSpinBox(this);
    startSpin_->setObjectName(QStringLiteral("replanStartSpin"));
    // Only the first match of a round: the arrows step a round at a time and
    // a typed number falls back to the start of its round.
    startSpin_->setRange(1, MaxMatches - courts + 1);
    startSpin_->setSingleStep(courts);
    startSpin_->setKeyboardTracking(false);
    startSpin_->setValue(proposed);
    connect(startSpin_, &QSpinBox::valueChanged, this, &ReplanStartDialog::snapToRoundStart);
    auto* after = new QLabel(QStringLiteral("試合から組み合わせを作り直します。"), this);

    layOutNumberQuestion(this, before, startSpin_, after);
}

int ReplanStartDialog::firstMatch() const {
    return startSpin_->value();
}

void ReplanStartDialog::snapToRoundStart(int value) {
    const int start = 1 + ((value - 1) / courts_) * courts_;
    if (start != value)
        startSpin_->setValue(start);
}

} // namespace pf
