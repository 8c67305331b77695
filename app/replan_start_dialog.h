#pragma once
// Asks from which match the rest of the day is planned again. The main
// window's member-change command opens it (through the modal runner) after the
// members were chosen, with the round after the last result proposed; only
// the first match of a round can be chosen.

#include <QDialog>

class QSpinBox;

namespace pf {

class ReplanStartDialog : public QDialog {
    Q_OBJECT
public:
    ReplanStartDialog(int proposed, int courts, QWidget* parent = nullptr);

    // 1-based number of the first match to re-plan.
    int firstMatch() const;

private:
    void snapToRoundStart(int value);

    QSpinBox* startSpin_ = nullptr;
    int courts_;
};

} // namespace pf
