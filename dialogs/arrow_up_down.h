#pragma once
// A pair of arrow buttons that steps a number shown in a read-only edit beside
// it, between a minimum and a maximum, without wrapping around. The edit is
// the number's only home: every step starts from the number the edit shows,
// so text put into the edit by other code is picked up by the next click.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace pf {

class ArrowUpDown : public QWidget {
    Q_OBJECT
public:
    explicit ArrowUpDown(QWidget* parent = nullptr);

    void setBuddy(QLineEdit* edit);
    QLineEdit* buddy() const { return buddy_; }
    void setRange(int minimum, int maximum);
    int minimum() const { return min_; }
    int maximum() const { return max_; }

    // The number in the buddy, brought into the range (the minimum when the
    // text is not a number).
    int position() const;
    // Writes `value`, clamped, into the buddy as decimal text.
    void setPosition(int value);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

public Q_SLOTS:
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

Q_SIGNALS:
    // Every click, also one that cannot move past a limit.
    void clicked();
    // Only when the number shown actually changed.
    void positionChanged(int value);

private:
    void step(int delta);

    QLineEdit* buddy_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 100;
};

} // namespace pf
