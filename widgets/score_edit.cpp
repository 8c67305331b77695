#include "widgets/score_edit.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

namespace pf {

namespace {
constexpr int MaxGames = 20;
}

QValidator::State ScoreValidator::validate(QString& input, int&) const {
    if (input.isEmpty())
        return Intermediate;
    if (input.size() > 2)
        return Invalid;
    for (const QChar c : input)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Invalid;
    if (input.size() == 2 && input[0] == QLatin1Char('0'))
        return Invalid;
    return input.toInt() <= MaxGames ? Acceptable : Invalid;
}

ScoreEdit::ScoreEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new ScoreValidator(this));
}

namespace {
// The day's undo and redo, which a line edit would otherwise keep for its
// own text: the counts typed here are steps of that history already.
bool isHistoryKey(const QKeyEvent* key) {
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
           key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}
} // namespace

bool ScoreEdit::event(QEvent* event) {
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        isHistoryKey(static_cast<QKeyEvent*>(event))) {
        // Not taken here: the window's 元に戻す and やり直し run instead.
        event->ignore();
        return true;
    }
    // Tab is taken before keyPressEvent would see it.
    if (event->type() == QEvent::KeyPress && !isReadOnly()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            Q_EMIT advance(!shift);
            return true;
        case Qt::Key_Backtab:
            Q_EMIT advance(false);
            return true;
        default:
            break;
        }
    }
    return QLineEdit::event(event);
}

void ScoreEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A digit typed next replaces the count, however the box was reached;
    // a click would otherwise place the cursor after selecting.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            selectAll();
    });
    selectAll();
}

void ScoreEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Q_EMIT left();
}

void ScoreEdit::wheelEvent(QWheelEvent* event) {
    const int dy = event->angleDelta().y();
    if (dy == 0 || isReadOnly()) {
        QLineEdit::wheelEvent(event);
        return;
    }
    Q_EMIT wheelStep(dy > 0 ? 1 : -1);
    event->accept();
}

} // namespace pf
