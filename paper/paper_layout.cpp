#include "paper/paper_layout.h"

#include "model/text_codec.h"
#include "standings/standings.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace pf {
namespace {

const QString PairJoin = QStringLiteral("・");
const QString ListJoin = QStringLiteral("、");

constexpr double Pad = 3;
constexpr double Floor = 6; // the smallest type anything is set in

double lineHeight(double points) {
    return points * PaperLineFactor;
}

// A text set at one size on one or more lines.
struct Fitted {
    double points = 0;
    QStringList lines;
    double height() const { return static_cast<double>(lines.size()) * lineHeight(points); }
};

// The largest size from `base` down to `floor` at which `text` fits `width`
// on one line; wrapped at `floor` when none does.
Fitted fit(const QString& text, double width, double base, double floor, bool bold,
           const PaperMeasure& m) {
    double pt = base;
    double w = m.width(text, pt, bold);
    while (w > width && pt > floor) {
        // Jump close to the size that fits, then step by a quarter point.
        const double guess = std::floor(pt * width / w * 4) / 4;
        pt = std::max(floor, std::min(pt - 0.25, guess));
        w = m.width(text, pt, bold);
    }
    if (w <= width)
        return {pt, {text}};
    return {floor, wrapText(text, width, floor, bold, m)};
}

void putLines(std::vector<PaperItem>& out, const Fitted& f, double left, double top, double width,
              bool bold, Qt::Alignment align = Qt::AlignLeft, int match = 0) {
    const double lh = lineHeight(f.points);
    for (int i = 0; i < f.lines.size(); ++i) {
        PaperItem it;
        it.rect = QRectF(left, top + i * lh, width, lh);
        it.text = f.lines[i];
        it.points = f.points;
        it.bold = bold;
        it.align = align;
        it.match = i == 0 ? match : 0;
        out.push_back(std::move(it));
    }
}

PaperItem frame(const QRectF& r, PaperItemKind kind = PaperItemKind::Frame) {
    PaperItem it;
    it.kind = kind;
    it.rect = r;
    return it;
}

PaperItem box(const QRectF& r, int games) {
    PaperItem it;
    it.kind = PaperItemKind::Box;
    it.rect = r;
    it.text = games >= 0 ? QString::number(games) : QString();
    it.points = std::min(r.height() / PaperLineFactor, 10.0);
    it.align = Qt::AlignHCenter;
    return it;
}

QString pairText(const QString& x, const QString& y) {
    return x + PairJoin + y;
}

// Pages with the title, the document's name and the date on top, their
// numbers at the foot, and a body that content flows into from the top.
class Pager {
public:
    Pager(PaperDoc doc, const PaperSetup& setup, const PaperMeasure& m) {
        doc_.sheet = paperPoints(setup.size, setup.landscape);
        doc_.printable = QRectF(QPointF(PaperMarginPoints, PaperMarginPoints),
                                doc_.sheet - QSizeF(2 * PaperMarginPoints, 2 * PaperMarginPoints));
        const QRectF p = doc_.printable;
        const QString name = docTitle(doc);
        const double rightW = std::min(
            p.width() * 0.4, std::max(m.width(name, 9, true), m.width(setup.date, 9, false)) + 1);
        const Fitted nameF = fit(name, rightW, 9, Floor, true, m);
        const Fitted dateF = fit(setup.date, rightW, 9, Floor, false, m);
        const double titleW = p.width() - rightW - 12;
        Fitted titleF = fit(setup.title, titleW, 14, 8, true, m);
        if (titleF.lines.size() > 3) { // a title is no name: three lines of it do
            titleF.lines = titleF.lines.mid(0, 3);
            titleF.lines[2] = QStringLiteral("…");
        }
        putLines(header_, titleF, p.left(), p.top(), titleW, true);
        const double right = p.right() - rightW;
        putLines(header_, nameF, right, p.top(), rightW, true, Qt::AlignRight);
        if (!setup.date.isEmpty())
            putLines(header_, dateF, right, p.top() + nameF.height(), rightW, false,
                     Qt::AlignRight);
        const double headerH = std::max(titleF.height(), nameF.height() + dateF.height()) + 3;
        header_.push_back(frame(QRectF(p.left(), p.top() + headerH, p.width(), 0)));
        const double footerH = lineHeight(FooterPoints);
        body_ = QRectF(p.left(), p.top() + headerH + 5, p.width(),
                       p.height() - headerH - 5 - footerH - 4);
    }

    const QRectF& body() const { return body_; }
    double y() const { return y_; }
    void advance(double h) { y_ += h; }
    double remaining() const { return body_.bottom() - y_; }
    bool fits(double h) const { return y_ + h <= body_.bottom() + 1e-6; }
    bool atTop() const { return y_ <= body_.top() + 1e-6; }
    std::vector<PaperItem>& items() {
        if (doc_.pages.empty())
            newPage();
        return doc_.pages.back().items;
    }
    void newPage() {
        doc_.pages.push_back({header_});
        y_ = body_.top();
    }
    // Starts a page unless the current one is still empty.
    void ensureFresh() {
        if (doc_.pages.empty() || !atTop())
            newPage();
    }

    PaperDocument finish() {
        if (doc_.pages.empty())
            newPage();
        const int total = static_cast<int>(doc_.pages.size());
        const QRectF p = doc_.printable;
        for (int i = 0; i < total; ++i) {
            PaperItem it;
            it.text = QStringLiteral("%1 / %2").arg(i + 1).arg(total);
            it.points = FooterPoints;
            it.align = Qt::AlignHCenter;
            it.rect = QRectF(p.left(), p.bottom() - lineHeight(FooterPoints), p.width(),
                             lineHeight(FooterPoints));
            doc_.pages[static_cast<std::size_t>(i)].items.push_back(it);
        }
        return std::move(doc_);
    }

private:
    static constexpr double FooterPoints = 8;
    PaperDocument doc_;
    std::vector<PaperItem> header_;
    QRectF body_;
    double y_ = 0;
};

// A row of a table: each cell's items at positions relative to the row's
// top, and the row's height.
struct Row {
    std::vector<PaperItem> items;
    double height = 0;
    std::vector<double> ownColumns; // a row across the table's columns (else empty)
};

void placeRow(Pager& pager, const Row& row, const std::vector<double>& tableColumns) {
    const std::vector<double>& xs = row.ownColumns.empty() ? tableColumns : row.ownColumns;
    auto& out = pager.items();
    const double top = pager.y();
    for (PaperItem it : row.items) {
        it.rect.translate(0, top);
        out.push_back(std::move(it));
    }
    for (std::size_t c = 0; c + 1 < xs.size(); ++c)
        out.push_back(frame(QRectF(xs[c], top, xs[c + 1] - xs[c], row.height)));
    pager.advance(row.height);
}

// A cell of one fitted text, `pad` inside its column.
double cellText(Row& row, const QString& text, double left, double right, double base, bool bold,
                Qt::Alignment align, const PaperMeasure& m, int match = 0) {
    const double w = right - left - 2 * Pad;
    const Fitted f = fit(text, w, base, Floor, bold, m);
    putLines(row.items, f, left + Pad, Pad, w, bold, align, match);
    return f.height() + 2 * Pad;
}

// A table whose heading row comes again at the top of every page.
class Table {
public:
    Table(Pager& pager, std::vector<double> xs, Row heading)
        : pager_(pager), xs_(std::move(xs)), heading_(std::move(heading)) {}

    void add(const Row& row) { add(std::vector<Row>{row}); }
    // Rows kept on one page where a page holds them.
    void add(const std::vector<Row>& rows) {
        double h = 0;
        for (const Row& r : rows)
            h += r.height;
        if (!headed_ || !pager_.fits(h)) {
            if (headed_ || !pager_.fits(heading_.height + h))
                pager_.ensureFresh();
            placeRow(pager_, heading_, xs_);
            headed_ = true;
        }
        for (const Row& r : rows) {
            if (!pager_.fits(r.height)) {
                pager_.newPage();
                placeRow(pager_, heading_, xs_);
            }
            placeRow(pager_, r, xs_);
        }
    }
    void headOnly() {
        if (!pager_.fits(heading_.height))
            pager_.ensureFresh();
        placeRow(pager_, heading_, xs_);
    }

private:
    Pager& pager_;
    std::vector<double> xs_;
    Row heading_;
    bool headed_ = false;
};

Row headingRow(const QStringList& texts, const std::vector<double>& xs, double points,
               const PaperMeasure& m) {
    Row row;
    for (int c = 0; c < texts.size(); ++c)
        row.height = std::max(row.height, cellText(row, texts[c], xs[static_cast<std::size_t>(c)],
                                                   xs[static_cast<std::size_t>(c) + 1], points,
                                                   true, Qt::AlignHCenter, m));
    return row;
}

std::vector<double> columns(double left, const std::vector<double>& widths) {
    std::vector<double> xs{left};
    for (double w : widths)
        xs.push_back(xs.back() + w);
    return xs;
}

void sectionTitle(Pager& pager, const QString& text, double points, const PaperMeasure& m,
                  double keepWith) {
    const Fitted f = fit(text, pager.body().width(), points, Floor, true, m);
    if (!pager.fits(f.height() + 4 + keepWith))
        pager.ensureFresh();
    putLines(pager.items(), f, pager.body().left(), pager.y(), pager.body().width(), true);
    pager.advance(f.height() + 4);
}

// ---- 組合せ表 ----

void layoutSchedule(Pager& pager, const PaperDay& day, const PaperMeasure& m) {
    const QRectF body = pager.body();
    const int n = std::max(1, day.courts);
    constexpr double CellPad = 2; // twenty rounds of three courts to an A4 sheet
    constexpr double SitPoints = 7.5;
    const double roundW = std::max(m.width(QStringLiteral("ラウンド"), 7, true),
                                   m.width(QStringLiteral("120"), 9, true)) +
                          2 * Pad + 1;
    auto sittersText = [](const PaperRound& round) {
        return round.sitters.isEmpty() ? QStringLiteral("なし") : round.sitters.join(ListJoin);
    };
    // Who sits out goes in a column beside the courts while it takes two
    // lines there at most; longer lists (many members on few courts) run
    // across the page under their round instead.
    double sitW = body.width() * (n == 1 ? 0.3 : n == 2 ? 0.24 : 0.19);
    bool band = false;
    for (const PaperRound& round : day.rounds)
        band = band ||
               fit(sittersText(round), sitW - 2 * Pad, SitPoints, Floor, false, m).lines.size() > 2;
    if (band)
        sitW = 0;
    const double courtW = (body.width() - roundW - sitW) / n;
    std::vector<double> widths{roundW};
    QStringList heads{QStringLiteral("ラウンド")};
    for (int c = 1; c <= n; ++c) {
        widths.push_back(courtW);
        heads << QStringLiteral("コート%1").arg(c);
    }
    if (!band) {
        widths.push_back(sitW);
        heads << QStringLiteral("休み");
    }
    const std::vector<double> xs = columns(body.left(), widths);
    Table table(pager, xs, headingRow(heads, xs, 8, m));

    const double numberW = m.width(QStringLiteral("120"), 8, true) + 1;
    const double boxW = 16;
    const double boxH = lineHeight(8);
    for (const PaperRound& round : day.rounds) {
        Row row;
        // On the baseline of the first pair, so that a text reader takes the
        // round, the match number and the pair as one line.
        putLines(row.items, {8, {QString::number(round.number)}}, xs[0] + CellPad, CellPad,
                 xs[1] - xs[0] - 2 * CellPad, true, Qt::AlignHCenter);
        row.height = lineHeight(8) + 2 * CellPad;
        for (const PaperMatch& match : round.matches) {
            const double left = xs[static_cast<std::size_t>(match.court)];
            const double right = xs[static_cast<std::size_t>(match.court) + 1];
            putLines(row.items, {8, {QString::number(match.number)}}, left + CellPad, CellPad,
                     numberW, true, Qt::AlignLeft, match.number);
            const double namesLeft = left + CellPad + numberW + CellPad;
            const double namesW = right - CellPad - boxW - CellPad - namesLeft;
            const Fitted pa = fit(pairText(match.a, match.b), namesW, 8, Floor, false, m);
            const Fitted pb = fit(pairText(match.c, match.d), namesW, 8, Floor, false, m);
            const double aH = std::max(pa.height(), boxH);
            putLines(row.items, pa, namesLeft, CellPad, namesW, false);
            putLines(row.items, pb, namesLeft, CellPad + aH + 0.5, namesW, false);
            const double boxLeft = right - CellPad - boxW;
            row.items.push_back(
                box(QRectF(boxLeft, CellPad, boxW, boxH), match.hasScore() ? match.winA : -1));
            row.items.push_back(box(QRectF(boxLeft, CellPad + aH + 0.5, boxW, boxH),
                                    match.hasScore() ? match.winB : -1));
            row.height =
                std::max(row.height, CellPad + aH + 0.5 + std::max(pb.height(), boxH) + CellPad);
        }

        const QString label =
            band ? QStringLiteral("休み（%1人）：").arg(round.sitters.size()) : QString();
        const double sitLeft = (band ? xs[1] : xs[xs.size() - 2]) + Pad;
        const double sitWidth = (band ? body.right() - xs[1] : sitW) - 2 * Pad;
        const Fitted sf =
            fit(label + sittersText(round), sitWidth, band ? 7 : SitPoints, Floor, false, m);
        // A list taller than most of a page goes on in rows of its own.
        const double lh = lineHeight(sf.points);
        const int perRow = std::max(1, static_cast<int>((body.height() * 0.6 - 2 * Pad) / lh));
        std::vector<Row> rows;
        QStringList rest = sf.lines;
        if (!band) {
            const Fitted part{sf.points, rest.mid(0, perRow)};
            rest = rest.mid(perRow);
            putLines(row.items, part, sitLeft, Pad, sitWidth, false);
            row.height = std::max(row.height, part.height() + 2 * Pad);
        }
        rows.push_back(std::move(row));
        while (!rest.isEmpty()) {
            Row more;
            if (band) {
                more.ownColumns = {xs.front(), xs[1], xs.back()};
            } else {
                more.height = cellText(more, QStringLiteral("%1（続き）").arg(round.number), xs[0],
                                       xs[1], 7, false, Qt::AlignHCenter, m);
            }
            const Fitted part{sf.points, rest.mid(0, perRow)};
            rest = rest.mid(perRow);
            putLines(more.items, part, sitLeft, Pad, sitWidth, false);
            more.height = std::max(more.height, part.height() + 2 * Pad);
            rows.push_back(std::move(more));
        }
        table.add(rows);
    }
    if (day.rounds.empty())
        table.headOnly();
}

// ---- 個人別の予定 ----

struct MemberLine {
    const PaperMatch* match = nullptr;
    QString partner;
    QString opponents;
};

void layoutMembers(Pager& pager, const PaperDay& day, const PaperMeasure& m) {
    const QRectF body = pager.body();
    const double roundW = m.width(QStringLiteral("ラウンド"), 7, true) + 2 * Pad + 1;
    const double courtW = m.width(QStringLiteral("コート"), 7, true) + 2 * Pad + 1;
    const double numberW = m.width(QStringLiteral("試合"), 7, true) + 2 * Pad + 8;
    const double rest = body.width() - roundW - courtW - numberW;
    const std::vector<double> xs =
        columns(body.left(), {roundW, courtW, numberW, rest * 0.36, rest * 0.64});
    const Row heading =
        headingRow({QStringLiteral("ラウンド"), QStringLiteral("コート"), QStringLiteral("試合"),
                    QStringLiteral("ペア"), QStringLiteral("相手")},
                   xs, 7, m);
    constexpr double Gap = 7;

    for (const QString& member : day.members) {
        std::vector<Row> rows;
        QStringList sitOuts;
        for (const PaperRound& round : day.rounds) {
            bool plays = false;
            for (const PaperMatch& match : round.matches) {
                QString partner, opponents;
                if (match.a == member || match.b == member) {
                    partner = match.a == member ? match.b : match.a;
                    opponents = pairText(match.c, match.d);
                } else if (match.c == member || match.d == member) {
                    partner = match.c == member ? match.d : match.c;
                    opponents = pairText(match.a, match.b);
                } else {
                    continue;
                }
                plays = true;
                Row row;
                row.height = cellText(row, QString::number(round.number), xs[0], xs[1], 8, false,
                                      Qt::AlignHCenter, m);
                row.height = std::max(row.height, cellText(row, QString::number(match.court), xs[1],
                                                           xs[2], 8, false, Qt::AlignHCenter, m));
                row.height =
                    std::max(row.height, cellText(row, QString::number(match.number), xs[2], xs[3],
                                                  8, false, Qt::AlignHCenter, m));
                row.height = std::max(
                    row.height, cellText(row, partner, xs[3], xs[4], 8, false, Qt::AlignLeft, m));
                row.height = std::max(
                    row.height, cellText(row, opponents, xs[4], xs[5], 8, false, Qt::AlignLeft, m));
                rows.push_back(std::move(row));
            }
            if (!plays && !round.matches.empty())
                sitOuts << QString::number(round.number);
        }

        const QString count =
            QStringLiteral("%1試合・休み%2回").arg(rows.size()).arg(sitOuts.size());
        const double countW = std::min(body.width() * 0.3, m.width(count, 8, false) + 1);
        const double nameW = body.width() - countW - 8;
        const Fitted nameF = fit(member, nameW, 11, Floor, true, m);
        const Fitted countF = fit(count, countW, 8, Floor, false, m);
        const double headH = std::max(nameF.height(), countF.height()) + 2;
        const QString sitText =
            QStringLiteral("休み（ラウンド）：") +
            (sitOuts.isEmpty() ? QStringLiteral("なし") : sitOuts.join(ListJoin));
        const Fitted sitF = fit(sitText, body.width(), 8, Floor, false, m);
        const double sitH = sitF.height() + 3;

        double total = headH + heading.height + sitH + 2 * Gap;
        for (const Row& r : rows)
            total += r.height;
        if (!pager.fits(total))
            pager.ensureFresh();

        bool continued = false;
        auto head = [&] {
            const Fitted nf =
                continued ? fit(member + QStringLiteral("（続き）"), nameW, 11, Floor, true, m)
                          : nameF;
            putLines(pager.items(), nf, body.left(), pager.y(), nameW, true);
            putLines(pager.items(), countF, body.right() - countW, pager.y(), countW, false,
                     Qt::AlignRight);
            pager.advance(std::max(nf.height(), countF.height()) + 2);
            placeRow(pager, heading, xs);
        };
        head();
        for (const Row& r : rows) {
            if (!pager.fits(r.height)) {
                pager.newPage();
                continued = true;
                head();
            }
            placeRow(pager, r, xs);
        }
        if (!pager.fits(sitH + Gap)) {
            pager.newPage();
            continued = true;
            const Fitted nf = fit(member + QStringLiteral("（続き）"), nameW, 11, Floor, true, m);
            putLines(pager.items(), nf, body.left(), pager.y(), nameW, true);
            pager.advance(nf.height() + 2);
        }
        pager.advance(3);
        putLines(pager.items(), sitF, body.left(), pager.y(), body.width(), false);
        pager.advance(sitF.height());
        // The cut line, halfway to the next member.
        if (pager.fits(2 * Gap)) {
            pager.items().push_back(frame(QRectF(body.left(), pager.y() + Gap, body.width(), 0),
                                          PaperItemKind::CutLine));
            pager.advance(2 * Gap);
        }
    }
}

// ---- スコアカード ----

struct SlipTexts {
    std::vector<PaperItem> items;
    double height = 0;
};

SlipTexts slipContent(const PaperMatch& match, double width, double scale, const PaperMeasure& m) {
    SlipTexts s;
    const double numberPt = std::max(Floor, 13 * scale);
    const QString number = QStringLiteral("第%1試合").arg(match.number);
    const QString info = QStringLiteral("コート%1　第%2ラウンド").arg(match.court).arg(match.round);
    const Fitted numberF = fit(number, width, numberPt, Floor, true, m);
    const double infoPt = std::max(Floor, 9 * scale);
    double y = 0;
    const double numberW = m.width(number, numberF.points, true);
    const bool beside =
        numberF.lines.size() == 1 && m.width(info, infoPt, false) + numberW + 8 <= width;
    putLines(s.items, numberF, 0, 0, beside ? numberW : width, true, Qt::AlignLeft, match.number);
    if (beside) {
        const double infoW = width - numberW - 8;
        putLines(s.items, {infoPt, {info}}, numberW + 8, numberF.height() - lineHeight(infoPt),
                 infoW, false, Qt::AlignRight);
        y = numberF.height();
    } else {
        y = numberF.height();
        const Fitted infoF = fit(info, width, infoPt, Floor, false, m);
        putLines(s.items, infoF, 0, y, width, false);
        y += infoF.height();
    }
    y += 6 * scale;
    const double boxW = std::max(28.0, 46 * scale);
    const double boxH = std::max(20.0, 30 * scale);
    const double namesW = width - boxW - 6;
    const double namePt = std::max(Floor, 11 * scale);
    auto pair = [&](const QString& x, const QString& z, int games) {
        const Fitted fx = fit(x, namesW, namePt, Floor, false, m);
        const Fitted fz = fit(z, namesW, namePt, Floor, false, m);
        const double namesH = fx.height() + fz.height();
        const double h = std::max(namesH, boxH);
        putLines(s.items, fx, 0, y + (h - namesH) / 2, namesW, false);
        putLines(s.items, fz, 0, y + (h - namesH) / 2 + fx.height(), namesW, false);
        s.items.push_back(box(QRectF(width - boxW, y + (h - boxH) / 2, boxW, boxH),
                              match.hasScore() ? games : -1));
        y += h;
    };
    pair(match.a, match.b, match.winA);
    const double vsPt = std::max(Floor, 8 * scale);
    y += 2;
    putLines(s.items, {vsPt, {QStringLiteral("対")}}, 0, y, namesW, false, Qt::AlignHCenter);
    y += lineHeight(vsPt) + 2;
    pair(match.c, match.d, match.winB);
    s.height = y;
    return s;
}

void layoutSlips(Pager& pager, const PaperDay& day, const PaperMeasure& m, bool landscape) {
    const QRectF body = pager.body();
    const int cols = landscape ? 4 : 2;
    const int rows = landscape ? 2 : 4;
    constexpr double Gap = 16; // the cut line runs down its middle
    constexpr double Inner = 8;
    const double slipW = (body.width() - Gap * (cols - 1)) / cols;
    const double slipH = (body.height() - Gap * (rows - 1)) / rows;
    int onPage = cols * rows;
    for (const PaperRound& round : day.rounds) {
        for (const PaperMatch& match : round.matches) {
            if (onPage == cols * rows) {
                pager.newPage();
                onPage = 0;
                auto& out = pager.items();
                for (int c = 1; c < cols; ++c) {
                    const double x = body.left() + c * (slipW + Gap) - Gap / 2;
                    out.push_back(
                        frame(QRectF(x, body.top(), 0, body.height()), PaperItemKind::CutLine));
                }
                for (int r = 1; r < rows; ++r) {
                    const double y = body.top() + r * (slipH + Gap) - Gap / 2;
                    out.push_back(
                        frame(QRectF(body.left(), y, body.width(), 0), PaperItemKind::CutLine));
                }
            }
            const double left = body.left() + (onPage % cols) * (slipW + Gap) + Inner;
            const double top = body.top() + (onPage / cols) * (slipH + Gap) + Inner;
            SlipTexts s;
            for (double scale = 1.0;; scale -= 0.1) {
                s = slipContent(match, slipW - 2 * Inner, scale, m);
                if (s.height <= slipH - 2 * Inner || scale <= 0.45)
                    break;
            }
            auto& out = pager.items();
            for (PaperItem it : s.items) {
                it.rect.translate(left, top);
                out.push_back(std::move(it));
            }
            ++onPage;
        }
    }
}

// ---- 成績表 ----

void layoutStandings(Pager& pager, const PaperDay& day, const PaperMeasure& m) {
    const QRectF body = pager.body();
    const QString rule =
        day.rankingMethod == 0
            ? QStringLiteral("各試合の勝率、同率の場合は、各ゲームの合計のゲーム率にて順位を決定")
            : QStringLiteral("各ゲームの合計のゲーム率にて順位を決定");
    const Fitted ruleF = fit(rule, body.width(), 8, Floor, false, m);
    putLines(pager.items(), ruleF, body.left(), pager.y(), body.width(), false);
    pager.advance(ruleF.height() + 4);

    // Every column but the name's as wide as its widest text.
    const int cols = static_cast<int>(day.standingsHeadings.size());
    std::vector<double> widths(static_cast<std::size_t>(cols), 0);
    double fixed = 0;
    for (int c = 0; c < cols; ++c) {
        if (c == 1)
            continue;
        double w = m.width(day.standingsHeadings[c], 8, true);
        for (const QStringList& row : day.standingsRows)
            w = std::max(w, m.width(row.value(c), 8, false));
        widths[static_cast<std::size_t>(c)] = w + 2 * Pad + 1;
        fixed += widths[static_cast<std::size_t>(c)];
    }
    if (cols > 1) {
        // Columns as wide as a page holds, the name taking what is left.
        const double shrink = fixed > body.width() * 0.75 ? body.width() * 0.75 / fixed : 1.0;
        fixed = 0;
        for (int c = 0; c < cols; ++c) {
            if (c != 1) {
                widths[static_cast<std::size_t>(c)] *= shrink;
                fixed += widths[static_cast<std::size_t>(c)];
            }
        }
        widths[1] = body.width() - fixed;
    }
    const std::vector<double> xs = columns(body.left(), widths);
    {
        Table table(pager, xs, headingRow(day.standingsHeadings, xs, 8, m));
        for (const QStringList& cells : day.standingsRows) {
            Row row;
            for (int c = 0; c < cols; ++c)
                row.height = std::max(row.height,
                                      cellText(row, cells.value(c), xs[static_cast<std::size_t>(c)],
                                               xs[static_cast<std::size_t>(c) + 1], 8, c == 0,
                                               c == 1 ? Qt::AlignLeft : Qt::AlignRight, m));
            table.add(row);
        }
        if (day.standingsRows.empty())
            table.headOnly();
    }

    pager.advance(12);
    const double numberW = m.width(QStringLiteral("第120試合"), 8, false) + 2 * Pad + 1;
    const double scoreW = m.width(QStringLiteral("20－20"), 9, true) + 2 * Pad + 1;
    const double pairW = (body.width() - numberW - scoreW) / 2;
    const std::vector<double> rxs = columns(body.left(), {numberW, pairW, scoreW, pairW});
    const Row heading = headingRow({QStringLiteral("試合"), QStringLiteral("ペア"),
                                    QStringLiteral("結果"), QStringLiteral("ペア")},
                                   rxs, 8, m);
    std::vector<Row> rows;
    for (const PaperRound& round : day.rounds) {
        for (const PaperMatch& match : round.matches) {
            if (!match.hasScore())
                continue;
            Row row;
            row.height = cellText(row, QStringLiteral("第%1試合").arg(match.number), rxs[0], rxs[1],
                                  8, false, Qt::AlignLeft, m, match.number);
            row.height = std::max(row.height, cellText(row, pairText(match.a, match.b), rxs[1],
                                                       rxs[2], 8, false, Qt::AlignLeft, m));
            row.height = std::max(
                row.height, cellText(row, QStringLiteral("%1－%2").arg(match.winA).arg(match.winB),
                                     rxs[2], rxs[3], 9, true, Qt::AlignHCenter, m));
            row.height = std::max(row.height, cellText(row, pairText(match.c, match.d), rxs[3],
                                                       rxs[4], 8, false, Qt::AlignLeft, m));
            rows.push_back(std::move(row));
        }
    }
    const double firstH = rows.empty() ? lineHeight(8) : heading.height + rows.front().height;
    sectionTitle(pager, QStringLiteral("試合結果"), 11, m, firstH);
    if (rows.empty()) {
        const Fitted f =
            fit(QStringLiteral("結果の入った試合はありません。"), body.width(), 8, Floor, false, m);
        putLines(pager.items(), f, body.left(), pager.y(), body.width(), false);
        return;
    }
    Table results(pager, rxs, heading);
    for (const Row& row : rows)
        results.add(row);
}

} // namespace

QSizeF paperPoints(PaperSize size, bool landscape) {
    constexpr double PerMm = 72.0 / 25.4;
    QSizeF mm;
    switch (size) {
    case PaperSize::A4:
        mm = {210, 297};
        break;
    case PaperSize::A3:
        mm = {297, 420};
        break;
    case PaperSize::B4:
        mm = {257, 364};
        break;
    case PaperSize::Letter:
        mm = {215.9, 279.4};
        break;
    }
    const QSizeF pt = mm * PerMm;
    return landscape ? pt.transposed() : pt;
}

QString paperName(PaperSize size) {
    switch (size) {
    case PaperSize::A4:
        return QStringLiteral("A4");
    case PaperSize::A3:
        return QStringLiteral("A3");
    case PaperSize::B4:
        return QStringLiteral("B4");
    case PaperSize::Letter:
        return QStringLiteral("Letter");
    }
    return {};
}

std::optional<PaperSize> paperFromName(const QString& name) {
    for (PaperSize s : {PaperSize::A4, PaperSize::A3, PaperSize::B4, PaperSize::Letter})
        if (name.compare(paperName(s), Qt::CaseInsensitive) == 0)
            return s;
    return std::nullopt;
}

QString docKey(PaperDoc doc) {
    switch (doc) {
    case PaperDoc::Schedule:
        return QStringLiteral("schedule");
    case PaperDoc::Members:
        return QStringLiteral("members");
    case PaperDoc::Slips:
        return QStringLiteral("slips");
    case PaperDoc::Standings:
        return QStringLiteral("standings");
    }
    return {};
}

std::optional<PaperDoc> docFromKey(const QString& key) {
    for (PaperDoc d : {PaperDoc::Schedule, PaperDoc::Members, PaperDoc::Slips, PaperDoc::Standings})
        if (key == docKey(d))
            return d;
    return std::nullopt;
}

QString docTitle(PaperDoc doc) {
    switch (doc) {
    case PaperDoc::Schedule:
        return QStringLiteral("組合せ表");
    case PaperDoc::Members:
        return QStringLiteral("個人別の予定");
    case PaperDoc::Slips:
        return QStringLiteral("スコアカード");
    case PaperDoc::Standings:
        return QStringLiteral("成績表");
    }
    return {};
}

PaperDay paperDay(const MemberRoster& roster, const MatchTable& matches, int courts,
                  int rankingMethod) {
    PaperDay day;
    day.courts = std::clamp(courts, MinCourts, MaxCourts);
    day.rankingMethod = rankingMethod;
    QSet<QString> known;
    auto addMember = [&](const Name& bytes) {
        if (bytes.empty())
            return;
        const QString name = decodeCp932(bytes);
        if (!known.contains(name)) {
            known.insert(name);
            day.members << name;
        }
    };
    for (const Name& name : participantsOf(roster))
        addMember(name);
    for (const MatchRecord& r : matches)
        for (const Name* n : {&r.a, &r.b, &r.c, &r.d})
            addMember(*n);

    const int n = day.courts;
    for (int first = 0, number = 1; first < MaxMatches; first += n, ++number) {
        PaperRound round;
        round.number = number;
        QSet<QString> playing;
        for (int s = first; s < std::min(first + n, MaxMatches); ++s) {
            const MatchRecord& r = matches[static_cast<std::size_t>(s)];
            if (r.isEmpty())
                continue;
            PaperMatch pm{s + 1,
                          number,
                          s - first + 1,
                          decodeCp932(r.a),
                          decodeCp932(r.b),
                          decodeCp932(r.c),
                          decodeCp932(r.d),
                          r.WinA,
                          r.WinB};
            playing << pm.a << pm.b << pm.c << pm.d;
            round.matches.push_back(std::move(pm));
        }
        if (round.matches.empty())
            continue;
        for (const QString& member : day.members)
            if (!playing.contains(member))
                round.sitters << member;
        day.rounds.push_back(std::move(round));
    }

    StandingsTable table;
    ComputeStandings(matches, rankingMethod, table);
    const int cols = standingsColumnCount(rankingRuleOf(rankingMethod));
    for (int c = 0; c < cols; ++c)
        day.standingsHeadings << decodeCp932(table.cell(0, c));
    for (int r = 1; r <= table.memberRows(); ++r) {
        QStringList cells;
        for (int c = 0; c < cols; ++c)
            cells << decodeCp932(table.cell(r, c));
        day.standingsRows.push_back(cells);
    }
    return day;
}

PaperDocument layoutPaper(PaperDoc doc, const PaperDay& day, const PaperSetup& setup,
                          const PaperMeasure& measure) {
    Pager pager(doc, setup, measure);
    pager.newPage();
    switch (doc) {
    case PaperDoc::Schedule:
        layoutSchedule(pager, day, measure);
        break;
    case PaperDoc::Members:
        layoutMembers(pager, day, measure);
        break;
    case PaperDoc::Slips:
        layoutSlips(pager, day, measure, setup.landscape);
        break;
    case PaperDoc::Standings:
        layoutStandings(pager, day, measure);
        break;
    }
    PaperDocument out = pager.finish();
    // Slips start their own first page; the one opened above stays empty.
    if (doc == PaperDoc::Slips && out.pages.size() > 1) {
        out.pages.erase(out.pages.begin());
        const int total = static_cast<int>(out.pages.size());
        for (int i = 0; i < total; ++i)
            out.pages[static_cast<std::size_t>(i)].items.back().text =
                QStringLiteral("%1 / %2").arg(i + 1).arg(total);
    }
    return out;
}

QStringList wrapText(const QString& text, double width, double points, bool bold,
                     const PaperMeasure& measure) {
    // Pieces that end where a line may break.
    QStringList pieces;
    QString piece;
    for (qsizetype i = 0; i < text.size(); ++i) {
        piece += text.at(i);
        const QChar c = text.at(i);
        if (c == QChar(0x3001) || c == QChar(0x30FB) || c == QLatin1Char(' ') ||
            c == QChar(0x3000) || c == QLatin1Char(',')) {
            pieces << piece;
            piece.clear();
        }
    }
    if (!piece.isEmpty())
        pieces << piece;

    QStringList lines;
    QString line;
    auto fits = [&](const QString& t) { return measure.width(t, points, bold) <= width; };
    for (const QString& p : pieces) {
        if (fits(line + p)) {
            line += p;
            continue;
        }
        if (!line.isEmpty()) {
            lines << line;
            line.clear();
        }
        if (fits(p)) {
            line = p;
            continue;
        }
        // A word wider than the line: broken between characters, never
        // inside a surrogate pair.
        for (qsizetype i = 0; i < p.size();) {
            const qsizetype len = p.at(i).isHighSurrogate() && i + 1 < p.size() ? 2 : 1;
            const QString ch = p.mid(i, len);
            if (!line.isEmpty() && !fits(line + ch)) {
                lines << line;
                line.clear();
            }
            line += ch;
            i += len;
        }
    }
    if (!line.isEmpty() || lines.isEmpty())
        lines << line;
    return lines;
}

} // namespace pf
