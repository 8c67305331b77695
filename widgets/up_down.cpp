#include "widgets/up_down.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace pf {

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(new QToolButton(this)), down_(new QToolButton(this)),
      min_(minimum), max_(std::max(minimum, maximum)) {
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(7, 7));
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
    if (buddy_)
        buddy_->installEventFilter(this);
}

int UpDown::shown() const {
    if (!buddy_)
        return min_;
    bool ok = false;
    const int v = buddy_->text().trimmed().toInt(&ok);
    return ok ? v : min_;
}

int UpDown::position() const {
    return std::clamp(shown(), min_, max_);
}

void UpDown::setPosition(int value) {
    if (buddy_)
        buddy_->setText(QString::number(std::clamp(value, min_, max_)));
}

void UpDown::step(int delta) {
    if (!isEnabled() || !buddy_)
        return;
    const int from = shown();
    // Widened so that a number at the very end of int cannot overflow.
    int to =
        static_cast<int>(std::clamp<long long>(static_cast<long long>(from) + delta, min_, max_));
    if ((delta > 0 && to < from) || (delta < 0 && to > from))
        to = from; // outside the range already: never against the arrow
    Q_EMIT changing(from, to);
    if (to == from)
        return; // at the end of the range: no wrap, nothing moves
    if (guard_ && !guard_(from, to))
        return;
    buddy_->setText(QString::number(to));
    Q_EMIT clicked(to);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    // The type first: while the edit is being destroyed it is no longer a
    // QLineEdit, and looking at the guarded pointer then is undefined.
    if (event->type() == QEvent::KeyPress && watched == buddy_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
            step(key->key() == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int h = height() / 2;
    up_->setGeometry(0, 0, width(), h);
    down_->setGeometry(0, h, width(), height() - h);
}

} // namespace pf
