#include "app/artwork.h"

#include "widgets/ui_fonts.h"

#include <QPainter>
#include <QPainterPath>

namespace pf {

QPixmap makeArtwork(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(QColor(24, 96, 64));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The court: outer lines, the net and the service lines.
    const QRectF court(8.5, 8.5, size.width() - 17.0, size.height() - 17.0);
    p.fillRect(court, QColor(46, 120, 180));
    p.setPen(QPen(Qt::white, 1.5));
    p.drawRect(court);
    const double alley = court.height() / 8;
    p.drawLine(QPointF(court.left(), court.top() + alley),
               QPointF(court.right(), court.top() + alley));
    p.drawLine(QPointF(court.left(), court.bottom() - alley),
               QPointF(court.right(), court.bottom() - alley));
    const double cx = court.center().x();
    const double service = court.width() * 0.23;
    p.drawLine(QPointF(cx - service, court.top() + alley),
               QPointF(cx - service, court.bottom() - alley));
    p.drawLine(QPointF(cx + service, court.top() + alley),
               QPointF(cx + service, court.bottom() - alley));
    p.drawLine(QPointF(cx - service, court.center().y()),
               QPointF(cx + service, court.center().y()));
    p.setPen(QPen(QColor(230, 230, 230), 3));
    p.drawLine(QPointF(cx, court.top() - 4), QPointF(cx, court.bottom() + 4));

    // A ball in flight with its seam.
    const QPointF ball(court.right() - 22, court.top() + 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(ball + QPointF(2, 3), 8, 8);
    p.setBrush(QColor(214, 240, 60));
    p.drawEllipse(ball, 8, 8);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(ball.x() - 13, ball.y() - 6, 12, 12), -60 * 16, 120 * 16);
    p.drawArc(QRectF(ball.x() + 1, ball.y() - 6, 12, 12), 120 * 16, 120 * 16);

    // The name, white with a dark outline so it reads over the lines.
    QFont font = proportionalGothic(17, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("PAIRFORGE"));
    const QRectF box = text.boundingRect();
    text.translate(14 - box.left(), size.height() - 14 - box.bottom());
    p.setPen(QPen(QColor(10, 40, 30), 3));
    p.drawPath(text);
    p.fillPath(text, Qt::white);
    return pixmap;
}

} // namespace pf
