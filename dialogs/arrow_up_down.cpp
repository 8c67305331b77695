#include "dialogs/arrow_up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace pf {

ArrowUpDown::ArrowUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(b);
    }
    connect(up_, &QToolButton::clicked, this, &ArrowUpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &ArrowUpDown::stepDown);
}

void ArrowUpDown::setBuddy(QLineEdit* edit) {
    buddy_ = edit;
}

void ArrowUpDown::setRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = std::max(minimum, maximum);
}

int ArrowUpDown::position() const {
    if (!buddy_)
        return min_;
    bool ok = false;
    const int shown = buddy_->text().trimmed().toInt(&ok);
    return ok ? std::clamp(shown, min_, max_) : min_;
}

void ArrowUpDown::setPosition(int value) {
    if (buddy_)
        buddy_->setText(QString::number(std::clamp(value, min_, max_)));
}

void ArrowUpDown::step(int delta) {
    Q_EMIT clicked();
    if (!buddy_)
        return;
    const QString before = buddy_->text();
    const int next = std::clamp(position() + delta, min_, max_);
    setPosition(next);
    if (buddy_->text() != before)
        Q_EMIT positionChanged(next);
}

} // namespace pf
