#pragma once
// A pair of arrow buttons attached to a read-only edit (its buddy): the value
// shown in the edit steps by one per click or per Up/Down key while the edit
// has the focus, between a minimum and a maximum, without wrapping. The step
// starts from the number the edit shows, so whoever fills the edit also sets
// where the arrows go on from.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace pf {

class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent);

    int minimum() const { return min_; }
    int maximum() const { return max_; }
    // The number the buddy shows (clamped), or the minimum when it shows none.
    int position() const;
    void setPosition(int value);
    QLineEdit* buddy() const { return buddy_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

public Q_SLOTS:
    // One click on an arrow: +1 up, -1 down.
    void step(int delta);

Q_SIGNALS:
    // Sent before a step that changes the value; the value has not moved yet.
    void changing(int from, int to);
    // Sent after a click or key has moved the value.
    void clicked(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int min_;
    int max_;
};

} // namespace pf
