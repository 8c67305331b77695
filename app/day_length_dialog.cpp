#include "app/day_length_dialog.h"

#include "model/session.h"
#include "widgets/dialog_buttons.h"

#include <QLabel>
#include <QSpinBox>

#include <algorithm>

namespace pf {

DayLengthDialog::DayLengthDialog(int courts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("dayLengthDialog"));
    setWindowTitle(QStringLiteral("今日の回数"));
    const int allRounds = MaxMatches / std::clamp(courts, MinCourts, MaxCourts);

    auto* before = new QLabel(QStringLiteral("今日の回数"), this);
    roundsSpin_ = new QSpinBox(this);
    roundsSpin_->setObjectName(QStringLiteral("dayRoundsSpin"));
    roundsSpin_->setRange(1, allRounds);
    roundsSpin_->setValue(allRounds);
    auto* after =
        new QLabel(QStringLiteral("回（全%1回、1回に%2試合）").arg(allRounds).arg(courts), this);
    auto* note = new QLabel(
        QStringLiteral("どの回で終えても、試合数がほぼ同じになるように組みます。"), this);

    layOutNumberQuestion(this, before, roundsSpin_, after, note);
    roundsSpin_->selectAll();
}

int DayLengthDialog::rounds() const {
    return roundsSpin_->value();
}

} // namespace pf
