#include "dialogs/splash_artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace pf {
namespace {

// A court seen from behind one baseline: u runs across (0 left doubles line,
// 1 right), v runs from the far baseline (0) to the near one (1).
struct Court {
    double horizon = 40.0; // where the court's lines would meet
    double depth = 200.0;  // distance from the horizon at full scale
    double width = 430.0;  // the near baseline's width on screen
    double centre = ArtworkWidth / 2.0;
    double farScale = 0.45; // far baseline at 45 % of the near one

    double scale(double v) const { return 1.0 / (1.0 / farScale + v * (1.0 - 1.0 / farScale)); }
    QPointF at(double u, double v) const {
        const double s = scale(v);
        return {centre + (u - 0.5) * width * s, horizon + depth * s};
    }
};

// Depths of the lines of a real court (23.77 m long, service lines 6.40 m
// from the net) and the singles sidelines (8.23 m of 10.97 m).
constexpr double FarService = (11.885 - 6.40) / 23.77;
constexpr double NearService = 1.0 - FarService;
constexpr double Net = 0.5;
constexpr double SinglesLeft = (10.97 - 8.23) / 2.0 / 10.97;
constexpr double SinglesRight = 1.0 - SinglesLeft;

QFont artFont(int pixels, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("ＭＳ Ｐゴシック"),
                   QStringLiteral("MS PGothic")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

void drawSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 122);
    sky.setColorAt(0.0, QColor(12, 24, 64));
    sky.setColorAt(0.7, QColor(28, 86, 120));
    sky.setColorAt(1.0, QColor(240, 170, 90));
    p.fillRect(QRectF(0, 0, ArtworkWidth, 122), sky);

    QLinearGradient ground(0, 120, 0, ArtworkHeight);
    ground.setColorAt(0.0, QColor(22, 72, 48));
    ground.setColorAt(1.0, QColor(10, 44, 28));
    p.fillRect(QRectF(0, 120, ArtworkWidth, ArtworkHeight - 120), ground);
}

void drawCourt(QPainter& p, const Court& c) {
    QPolygonF surface;
    surface << c.at(-0.08, -0.04) << c.at(1.08, -0.04) << c.at(1.08, 1.1) << c.at(-0.08, 1.1);
    QLinearGradient green(0, c.at(0, 0).y(), 0, ArtworkHeight);
    green.setColorAt(0.0, QColor(46, 130, 90));
    green.setColorAt(1.0, QColor(34, 110, 70));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawPolygon(surface);

    p.setPen(QPen(QColor(245, 245, 240), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    auto line = [&](double u0, double v0, double u1, double v1) {
        p.drawLine(c.at(u0, v0), c.at(u1, v1));
    };
    line(0, 0, 1, 0); // baselines
    line(0, 1, 1, 1);
    line(0, 0, 0, 1); // doubles sidelines
    line(1, 0, 1, 1);
    line(SinglesLeft, 0, SinglesLeft, 1);
    line(SinglesRight, 0, SinglesRight, 1);
    line(SinglesLeft, FarService, SinglesRight, FarService);
    line(SinglesLeft, NearService, SinglesRight, NearService);
    line(0.5, FarService, 0.5, NearService); // centre service line
    line(0.5, 0, 0.5, 0.02);                 // centre marks
    line(0.5, 0.98, 0.5, 1);
}

void drawNet(QPainter& p, const Court& c) {
    const QPointF left = c.at(-0.05, Net);
    const QPointF right = c.at(1.05, Net);
    const double height = 22.0 * c.scale(Net);
    const QRectF band(left.x(), left.y() - height, right.x() - left.x(), height);

    p.fillRect(band, QColor(0, 0, 0, 70));
    p.setPen(QPen(QColor(230, 230, 230, 120), 1.0));
    for (double x = band.left(); x <= band.right(); x += 4.0)
        p.drawLine(QPointF(x, band.top()), QPointF(x, band.bottom()));
    for (double y = band.top() + 4.0; y < band.bottom(); y += 4.0)
        p.drawLine(QPointF(band.left(), y), QPointF(band.right(), y));
    p.setPen(QPen(Qt::white, 3.0));
    p.drawLine(band.topLeft(), band.topRight()); // tape
    p.setPen(QPen(QColor(60, 60, 60), 3.0));
    p.drawLine(QPointF(band.left(), band.top() - 2), QPointF(band.left(), band.bottom()));
    p.drawLine(QPointF(band.right(), band.top() - 2), QPointF(band.right(), band.bottom()));
}

void drawBall(QPainter& p, const QPointF& centre, double radius) {
    QRadialGradient felt(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    felt.setColorAt(0.0, QColor(240, 255, 120));
    felt.setColorAt(1.0, QColor(160, 190, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(felt);
    p.drawEllipse(centre, radius, radius);

    // The seam: two arcs that turn back on each other.
    p.setPen(QPen(QColor(255, 255, 255, 230), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box.translated(-radius * 1.25, 0), -50 * 16, 100 * 16);
    p.drawArc(box.translated(radius * 1.25, 0), 130 * 16, 100 * 16);
}

void drawTitle(QPainter& p) {
    const QRectF area(20, 10, 330, 60);
    p.setFont(artFont(44, true));
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(area.translated(2, 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ペアフォージ"));
    p.setPen(Qt::white);
    p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ペアフォージ"));

    QFont latin = artFont(17, true);
    latin.setLetterSpacing(QFont::AbsoluteSpacing, 7.0);
    p.setFont(latin);
    p.setPen(QColor(255, 214, 110));
    p.drawText(QRectF(24, 70, 330, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("PAIRFORGE"));

    p.setFont(artFont(13, false));
    p.setPen(QColor(220, 235, 240));
    p.drawText(QRectF(24, 94, 330, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ダブルスの組み合わせと順位を、コートサイドで。"));
}

} // namespace

QImage splashArtwork() {
    QImage image(ArtworkWidth, ArtworkHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const Court court;
    drawSky(p);
    drawCourt(p, court);
    drawNet(p, court);
    drawBall(p, QPointF(392, 52), 26);
    drawTitle(p);
    return image;
}

} // namespace pf
