#pragma once
// A pair of arrow buttons attached to a read-only edit (its buddy): the value
// shown in the edit steps by one per click or per Up/Down key while the edit
// has the focus, between a minimum and a maximum, without wrapping. The edit
// is the number's only home: every step starts from the number the edit
// shows, so whoever fills the edit also sets where the arrows go on from.
//
// Two signals tell what happened:
//   changing(from, to)  on every click or key while enabled, before the edit
//                       changes; at a limit from == to and nothing moves;
//   clicked(value)      after the edit has moved to `value`, only then.
// A number shown outside the range (say one read from a file) is never moved
// further out by a step, nor moved against the arrow: up from above the
// maximum stays put, down from it lands on the maximum.

#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <functional>

class QToolButton;

namespace pf {

class UpDown : public QWidget {
    Q_OBJECT
public:
    // A maximum below the minimum is taken as the minimum.
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return min_; }
    int maximum() const { return max_; }
    // The number the buddy shows brought into the range, or the minimum when
    // it shows none.
    int position() const;
    // Writes `value`, clamped, into the buddy as decimal text.
    void setPosition(int value);
    QLineEdit* buddy() const { return buddy_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }
    // Asked after `changing` and before a step moves the number; false keeps
    // it where it is (a question the organiser answered No).
    void setGuard(std::function<bool(int from, int to)> guard) { guard_ = std::move(guard); }

public Q_SLOTS:
    // One click on an arrow: +1 up, -1 down. Nothing while disabled.
    void step(int delta);

Q_SIGNALS:
    void changing(int from, int to);
    void clicked(int value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The number shown as it is, or the minimum when the text is no number.
    int shown() const;

    QPointer<QLineEdit> buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int min_;
    int max_;
    std::function<bool(int, int)> guard_;
};

} // namespace pf
