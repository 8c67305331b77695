#include "court/court_view.h"

#include <QPainter>

namespace pf {

const QColor CourtView::Green(0, 128, 0);

CourtView::CourtView(QWidget* parent) : QFrame(parent) {
    setFixedSize(Width, Height);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void CourtView::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(rect(), Green);
        // Baselines and side lines just inside the border.
        p.setPen(QPen(Qt::white, 2));
        p.drawRect(QRectF(2, 2, Width - 4, Height - 4));
        // Service lines, full height, and the centre service line between them.
        p.fillRect(97, 0, 2, Height, Qt::white);
        p.fillRect(297, 0, 2, Height, Qt::white);
        p.fillRect(97, 59, 202, 2, Qt::white);
        // The net: a raised bar, light on the left, shadowed on the right.
        const QRect net(197, 0, 6, Height);
        p.fillRect(net, QColor(212, 208, 200));
        p.fillRect(net.left(), 0, 1, Height, Qt::white);
        p.fillRect(net.right() - 1, 0, 1, Height, QColor(128, 128, 128));
        p.fillRect(net.right(), 0, 1, Height, QColor(64, 64, 64));
    }
    QFrame::paintEvent(event); // the border on top
}

} // namespace pf
