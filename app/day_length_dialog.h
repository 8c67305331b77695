#pragma once
// 「今日の回数」: how many rounds the day will run, asked by the new-pairing
// command before the balanced method plans the day (through the modal
// runner). All rounds of the 120 matches are proposed; a shorter day is
// planned as a day of its own and the slots after it stay empty.

#include <QDialog>

class QSpinBox;

namespace pf {

class DayLengthDialog : public QDialog {
    Q_OBJECT
public:
    explicit DayLengthDialog(int courts, QWidget* parent = nullptr);

    // Rounds chosen, 1 … 120 / courts.
    int rounds() const;

private:
    QSpinBox* roundsSpin_ = nullptr;
};

} // namespace pf
