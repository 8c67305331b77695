#pragma once
// The games box of a match panel, made for typing a result in one go: digits
// 0 to 20 are typed over the count (anything else is refused as it is typed),
// Tab and Enter hand on to the next box, and the mouse wheel steps the count
// as the arrows beside it do.
//
// The main window connects `advance` to move the focus along the page (and
// on to the next page) and `wheelStep` to the box's UpDown.

#include <QLineEdit>
#include <QValidator>

namespace pf {

// A count of games: 0 to 20 in plain digits, no sign and no leading zero.
// An empty box is allowed while typing.
class ScoreValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

class ScoreEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit ScoreEdit(QWidget* parent = nullptr);

Q_SIGNALS:
    // Tab or Enter (forward), Shift+Tab (backward).
    void advance(bool forward);
    // One notch of the wheel: +1 away from the organiser, -1 towards.
    void wheelStep(int delta);
    // The focus went elsewhere; typing there again starts a new entry.
    void left();

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace pf
