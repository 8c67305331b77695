#include "court/board_layout.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace pf {
namespace {

const QString Ellipsis = QStringLiteral("…");
const QString NameSeparator = QStringLiteral("、");

// Characters of a name beyond which the next round's lines cut it rather
// than shrink.
constexpr int LongName = 10;

// A drawn court is about as wide as a real one seen from the side.
constexpr double CourtAspectMax = 2.6;
constexpr double CourtAspectMin = 1.6;

struct Arrangement {
    std::vector<QRect> cells; // one per court
    QRect panel;
};

// `count` cells in `cols` columns filling `area`, `gap` apart.
std::vector<QRect> grid(const QRect& area, int count, int cols, int gap) {
    const int rows = (count + cols - 1) / cols;
    const int w = (area.width() - gap * (cols - 1)) / cols;
    const int h = (area.height() - gap * (rows - 1)) / rows;
    std::vector<QRect> cells;
    for (int i = 0; i < count; ++i)
        cells.emplace_back(area.left() + (i % cols) * (w + gap),
                           area.top() + (i / cols) * (h + gap), w, h);
    return cells;
}

// The text cut at the end with "…" so that it fits `width`; the ellipsis
// alone when not even one character does.
QString elided(const QString& text, int pixels, bool bold, int width, const TextMeasure& m) {
    if (m.width(text, pixels, bold) <= width)
        return text;
    int lo = 0;
    int hi = static_cast<int>(text.size());
    while (lo < hi) { // the longest cut that fits
        const int mid = (lo + hi + 1) / 2;
        if (m.width(text.left(mid) + Ellipsis, pixels, bold) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo > 0 && text.at(lo - 1).isHighSurrogate())
        --lo;
    return text.left(lo) + Ellipsis;
}

// The largest size from `start` down to `floor` at which `text` fits
// `width`; `floor` when none does.
int fittingPixels(const QString& text, bool bold, int width, int start, int floor,
                  const TextMeasure& m) {
    int px = start;
    while (px > floor && m.width(text, px, bold) > width) {
        // Jump close to the size that fits, then step.
        const int w = m.width(text, px, bold);
        px = std::max(floor, std::min(px - 1, px * width / std::max(1, w)));
    }
    return px;
}

struct CourtGeometry {
    QRect header; // match number and counts, above the court
    QRect court;
    std::array<QRect, 4> names; // a, b (left half), c, d (right half)
};

CourtGeometry courtIn(const QRect& cell, int headerHeight, int gap) {
    CourtGeometry g;
    const int maxHeight = cell.height() - headerHeight - gap;
    int h = std::min(maxHeight, static_cast<int>(cell.width() / CourtAspectMin));
    const int w = std::min(cell.width(), static_cast<int>(h * CourtAspectMax));
    h = std::max(0, h);
    const int top = cell.top() + (cell.height() - (headerHeight + gap + h)) / 2;
    const int left = cell.left() + (cell.width() - w) / 2;
    g.header = QRect(left, top, w, headerHeight);
    g.court = QRect(left, top + headerHeight + gap, w, h);
    const int pad = std::max(4, w / 40);
    const int netHalf = std::max(3, w / 80);
    const int boxW = w / 2 - netHalf - 2 * pad;
    const int boxH = h / 2 - pad - pad / 2;
    const int rightX = g.court.left() + w / 2 + netHalf + pad;
    const int leftX = g.court.left() + pad;
    const int topY = g.court.top() + pad;
    const int bottomY = g.court.top() + h / 2 + pad / 2;
    g.names = {QRect(leftX, topY, boxW, boxH), QRect(leftX, bottomY, boxW, boxH),
               QRect(rightX, topY, boxW, boxH), QRect(rightX, bottomY, boxW, boxH)};
    return g;
}

QString nextLine(const BoardMatch& m, const QString (&names)[4]) {
    return QStringLiteral("第%1試合 %2・%3 対 %4・%5")
        .arg(m.number)
        .arg(names[0], names[1], names[2], names[3]);
}

// A next match in one line of `width`: a long name is cut with "…" rather
// than the line, so that both pairs stay on it. Each name gets an even share
// of the room the others leave.
QString nextLineFitting(const BoardMatch& m, int px, int width, const TextMeasure& measure) {
    QString names[4] = {m.a, m.b, m.c, m.d};
    if (measure.width(nextLine(m, names), px, false) <= width)
        return nextLine(m, names);
    const QString none[4];
    const int room = width - measure.width(nextLine(m, none), px, false);
    int share = std::max(0, room / 4);
    // Names narrower than the share leave their rest to the others.
    int wide = 0;
    int spare = room;
    for (const QString& n : names) {
        const int w = measure.width(n, px, false);
        if (w <= share)
            spare -= w;
        else
            ++wide;
    }
    if (wide > 0)
        share = std::max(share, spare / wide);
    for (QString& n : names)
        n = elided(n, px, false, share, measure);
    return nextLine(m, names);
}

// Two names joined by "・" after `lead`, each cut with "…" to an even share
// of what `width` leaves when they do not fit whole.
QString pairLine(const QString& lead, const QString& x, const QString& y, int px, int width,
                 const TextMeasure& m) {
    const QString sep = QStringLiteral("・");
    const QString whole = lead + x + sep + y;
    if (m.width(whole, px, false) <= width)
        return whole;
    const int room = width - m.width(lead + sep, px, false);
    const int wx = m.width(x, px, false);
    const int wy = m.width(y, px, false);
    int sx = room / 2;
    int sy = room - sx;
    if (wx < sx)
        sy = room - wx;
    else if (wy < sy)
        sx = room - wy;
    return lead + elided(x, px, false, std::max(0, sx), m) + sep +
           elided(y, px, false, std::max(0, sy), m);
}

// A next match on a narrow panel: the number and pair A on one line, pair B
// below it.
QStringList nextLinesSplit(const BoardMatch& m, int px, int width, const TextMeasure& measure) {
    return {pairLine(QStringLiteral("第%1試合 ").arg(m.number), m.a, m.b, px, width, measure),
            pairLine(QStringLiteral("　対 "), m.c, m.d, px, width, measure)};
}

// `text` in lines no wider than `width`: as much as fits on the first line
// (broken after a space when there is one), the rest on the second, cut with
// "…" when it is still too long. Surrogate pairs are never split.
QStringList twoLines(const QString& text, int px, bool bold, int width, const TextMeasure& m) {
    int lo = 0;
    int hi = static_cast<int>(text.size());
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (m.width(text.left(mid), px, bold) <= width)
            lo = mid;
        else
            hi = mid - 1;
    }
    if (lo > 0 && lo < text.size() && text.at(lo - 1).isHighSurrogate())
        --lo;
    const int space = static_cast<int>(text.left(lo).lastIndexOf(QLatin1Char(' ')));
    if (space > 0 && lo < text.size())
        lo = space + 1;
    if (lo == 0)
        return {elided(text, px, bold, width, m)};
    const QString first = text.left(lo).trimmed();
    const QString rest = text.mid(lo).trimmed();
    if (rest.isEmpty())
        return {first};
    return {first, elided(rest, px, bold, width, m)};
}

// Sitters' names joined by "、" in lines no wider than `width`; a name too
// long for a line of its own ends in "…".
QStringList wrapNames(const QStringList& names, int pixels, int width, const TextMeasure& m) {
    QStringList lines;
    QString line;
    for (const QString& raw : names) {
        const QString name = elided(raw, pixels, false, width, m);
        const QString joined = line.isEmpty() ? name : line + NameSeparator + name;
        if (line.isEmpty() || m.width(joined, pixels, false) <= width) {
            line = joined;
        } else {
            lines << line;
            line = name;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

class Builder {
public:
    Builder(QSize size, const BoardContent& content, const TextMeasure& m)
        : size_(size), content_(content), m_(m), nameMin_(minimumNamePixels(size.height())),
          floor_(minimumTextPixels(size.height())),
          gap_(std::max(4, std::min(size.width(), size.height()) / 50)) {}

    BoardLayout build() {
        placeBar();
        const int headerPx = nameMin_;
        const int headerH = m_.height(headerPx, true);
        const Arrangement a = bestArrangement(headerH);
        layout_.panel = a.panel;
        std::vector<CourtGeometry> courts;
        for (const QRect& cell : a.cells)
            courts.push_back(courtIn(cell, headerH, gap_));
        for (const CourtGeometry& g : courts)
            layout_.courts.push_back(g.court);
        layout_.namePixels = namePixels(courts);
        for (std::size_t k = 0; k < courts.size(); ++k)
            placeCourt(courts[k], content_.courts[k], headerPx, static_cast<int>(k));
        placePanel();
        return layout_;
    }

private:
    std::vector<Arrangement> arrangements() const {
        const int n = static_cast<int>(content_.courts.size());
        const int w = size_.width();
        const int h = size_.height();
        const int top = layout_.bar.bottom() + 1 + gap_ / 2;
        const QRect inner(gap_, top, w - 2 * gap_, h - gap_ - top);
        std::vector<Arrangement> all;
        // Courts side by side or stacked, the panel along the bottom: room
        // for the next round's heading and lines and two lines of who sits
        // out, at the size the panel starts from.
        const int n0 = std::max<int>(1, static_cast<int>(content_.next.size()));
        const int lh = m_.height(panelStart(), false);
        const int panelH = std::min(inner.height() * 2 / 5,
                                    std::max(inner.height() / 5, (n0 + 3) * lh + gap_ / 2));
        const QRect above(inner.left(), inner.top(), inner.width(), inner.height() - panelH - gap_);
        const QRect band(inner.left(), above.bottom() + 1 + gap_, inner.width(), panelH);
        for (int cols = 1; cols <= std::max(1, n); ++cols)
            all.push_back({grid(above, n, cols, gap_), band});
        // Three courts in a square, the panel in the fourth place.
        if (n == 3) {
            std::vector<QRect> cells = grid(inner, 4, 2, gap_);
            const QRect panel = cells.back();
            cells.pop_back();
            all.push_back({cells, panel});
        }
        // Courts stacked on the left, the panel beside them: for one court,
        // whose shape leaves the sides empty, and on screens so wide that a
        // band below would leave the courts too low.
        if (w <= 2 * h && n > 1)
            return all;
        const int panelW = w * 30 / 100;
        const QRect left(inner.left(), inner.top(), inner.width() - panelW - gap_, inner.height());
        all.push_back({grid(left, n, 1, gap_),
                       QRect(left.right() + 1 + gap_, inner.top(), panelW, inner.height())});
        return all;
    }

    // The arrangement that gives the names the widest places, among those
    // whose places are tall enough for the smallest name size.
    Arrangement bestArrangement(int headerH) const {
        const int lineH = m_.height(nameMin_, true);
        std::vector<Arrangement> all = arrangements();
        const Arrangement* best = nullptr;
        std::int64_t bestScore = -1;
        for (const Arrangement& a : all) {
            int width = INT_MAX;
            int height = INT_MAX;
            for (const QRect& cell : a.cells) {
                const CourtGeometry g = courtIn(cell, headerH, gap_);
                width = std::min(width, g.names[0].width());
                height = std::min(height, g.names[0].height());
            }
            // Tall enough places first, then the widest; the area breaks ties.
            // 64 bits on every platform: long is 32 on Windows, where the
            // tall-enough bit would otherwise be shifted out.
            const std::int64_t score = (height >= lineH ? std::int64_t{1} << 40 : 0) +
                                       std::int64_t{std::max(0, width)} * 100000 +
                                       std::max(0, height);
            if (score > bestScore) {
                bestScore = score;
                best = &a;
            }
        }
        return *best;
    }

    // One size for all names, as large as the places allow, up to a ninth
    // of the screen height, and smaller only as far as a long name needs,
    // never below the smallest name size.
    int namePixels(const std::vector<CourtGeometry>& courts) const {
        int boxH = INT_MAX;
        int boxW = INT_MAX;
        for (const CourtGeometry& g : courts) {
            boxH = std::min(boxH, g.names[0].height());
            boxW = std::min(boxW, g.names[0].width());
        }
        int px = std::max(nameMin_, size_.height() / 9);
        while (px > nameMin_ && m_.height(px, true) > boxH)
            --px;
        for (const BoardMatch& match : content_.courts)
            for (const QString* name : {&match.a, &match.b, &match.c, &match.d})
                px = fittingPixels(*name, true, boxW, px, nameMin_, m_);
        return px;
    }

    void add(BoardRole role, const QRect& rect, const QString& text, int px, bool bold,
             Qt::Alignment align) {
        layout_.texts.push_back({role, rect, text, px, bold, align});
    }

    void placeCourt(const CourtGeometry& g, const BoardMatch& match, int headerPx, int court) {
        // "コート1" at the left, the counts above the net (blank until the
        // match has a result, then with the mark beside them), the match
        // number at the right.
        const QString label = QStringLiteral("コート%1").arg(court + 1);
        const QString number = QStringLiteral("第%1試合").arg(match.number);
        const QString score = match.finished()
                                  ? QStringLiteral("%1 対 %2").arg(match.winA).arg(match.winB)
                                  : QString();
        const QString mark = QStringLiteral("終了");
        const int third = g.header.width() / 3;
        auto fits = [&](int px) {
            const int centre = match.finished()
                                   ? m_.width(score, px, true) + gap_ / 2 + m_.width(mark, px, true)
                                   : 0;
            return m_.width(label, px, true) + gap_ <= third &&
                   m_.width(number, px, true) + gap_ <= third && centre <= third;
        };
        int px = headerPx;
        while (px > floor_ && !fits(px))
            --px;
        const int h = m_.height(px, true);
        const int y = g.header.bottom() + 1 - h;
        const int wLabel = std::min(third - gap_, m_.width(label, px, true));
        add(BoardRole::Court, QRect(g.header.left(), y, std::max(0, wLabel), h),
            elided(label, px, true, wLabel, m_), px, true, Qt::AlignLeft | Qt::AlignVCenter);
        const int wNumber = std::min(third - gap_, m_.width(number, px, true));
        add(BoardRole::MatchNumber,
            QRect(g.header.right() + 1 - wNumber, y, std::max(0, wNumber), h),
            elided(number, px, true, wNumber, m_), px, true, Qt::AlignRight | Qt::AlignVCenter);
        if (match.finished()) {
            const int wScore = std::min(third, m_.width(score, px, true));
            const int wMark = std::min(third - wScore - gap_ / 2, m_.width(mark, px, true));
            const int left = g.header.left() + third + (third - wScore - gap_ / 2 - wMark) / 2;
            add(BoardRole::Score, QRect(left, y, wScore, h), elided(score, px, true, wScore, m_),
                px, true, Qt::AlignCenter);
            if (wMark > 0)
                add(BoardRole::Finished, QRect(left + wScore + gap_ / 2, y, wMark, h),
                    elided(mark, px, true, wMark, m_), px, true, Qt::AlignCenter);
        }

        const QString names[4] = {match.a, match.b, match.c, match.d};
        for (int i = 0; i < 4; ++i) {
            if (!names[i].isEmpty())
                placeName(g.names[static_cast<std::size_t>(i)], names[i]);
        }
    }

    // A name at the common size when it fits; else on two lines at the
    // largest size down to the smallest at which they fit; else one line
    // at a size of its own, cut with "…" at the smallest.
    void placeName(const QRect& box, const QString& name) {
        const int common = layout_.namePixels;
        QStringList lines{name};
        int npx = common;
        if (m_.width(name, common, true) > box.width()) {
            lines.clear();
            for (int px = common; px >= floor_ && lines.isEmpty(); --px) {
                if (2 * m_.height(px, true) > box.height())
                    continue;
                const QStringList two = twoLines(name, px, true, box.width(), m_);
                const bool whole = two.join(QString()).remove(QLatin1Char(' ')) ==
                                   QString(name).remove(QLatin1Char(' '));
                if (whole || px == floor_) {
                    lines = two;
                    npx = px;
                }
            }
            if (lines.isEmpty()) { // no room for two lines
                npx = fittingPixels(name, true, box.width(), common, floor_, m_);
                lines = {elided(name, npx, true, box.width(), m_)};
            }
        }
        const int lh = m_.height(npx, true);
        const int th = std::min(box.height(), lh * static_cast<int>(lines.size()));
        const int top = box.top() + (box.height() - th) / 2;
        for (int i = 0; i < lines.size(); ++i)
            add(BoardRole::Name, QRect(box.left(), top + i * lh, box.width(), std::min(lh, th)),
                lines.at(i), npx, true, Qt::AlignCenter);
    }

    // The round at the left of the top bar, the clock at its right, both
    // large: read from anywhere around the courts.
    void placeBar() {
        const int w = size_.width();
        const int px = std::max(floor_, size_.height() / 13);
        const int h = m_.height(px, true);
        layout_.bar = QRect(gap_, gap_ / 2, w - 2 * gap_, h);
        const QString round =
            QStringLiteral("第%1回 / 全%2回").arg(content_.round).arg(content_.rounds);
        const QString clock = content_.clock;
        const int wClock = clock.isEmpty() ? 0 : m_.width(QStringLiteral("00:00"), px, true);
        const int room = layout_.bar.width() - wClock - (clock.isEmpty() ? 0 : 2 * gap_);
        const int rpx = fittingPixels(round, true, room, px, floor_, m_);
        const int rh = m_.height(rpx, true);
        add(BoardRole::Round, QRect(layout_.bar.left(), layout_.bar.top() + (h - rh) / 2, room, rh),
            elided(round, rpx, true, room, m_), rpx, true, Qt::AlignLeft | Qt::AlignVCenter);
        if (!clock.isEmpty()) {
            const int cw = std::max(wClock, m_.width(clock, px, true));
            add(BoardRole::Clock, QRect(layout_.bar.right() + 1 - cw, layout_.bar.top(), cw, h),
                clock, px, true, Qt::AlignRight | Qt::AlignVCenter);
        }
    }

    // The size the panel's text starts from: between the smallest text and
    // the names' smallest, by the screen's height.
    int panelPixels() const { return std::max(floor_, size_.height() / 28); }
    // The size the panel's text starts from, as large as the names' smallest.
    int panelStart() const { return std::max(panelPixels(), nameMin_); }

    // The panel: "次の試合" with the next round's matches, and "休み" with
    // who sits out, side by side on a wide panel, one above the other on a
    // tall one. Each part takes the largest size at which it fits, so that
    // a long list of who sits out does not make the next round small.
    void placePanel() {
        const QRect& p = layout_.panel;
        const bool sideBySide = p.width() > 3 * p.height();
        QRect nextArea = p;
        QRect sitArea;
        if (sideBySide) {
            // As wide as the next round's lines need, from 58 to 72 percent.
            int need = 0;
            for (const BoardMatch& m : content_.next) {
                const QString whole[4] = {m.a, m.b, m.c, m.d};
                need = std::max(need, m_.width(nextLine(m, whole), panelPixels(), false));
            }
            const int w =
                std::clamp(need, (p.width() - gap_) * 58 / 100, (p.width() - gap_) * 72 / 100);
            nextArea = QRect(p.left(), p.top(), w, p.height());
            sitArea = QRect(nextArea.right() + 1 + gap_, p.top(), p.width() - w - gap_, p.height());
        } else {
            // Room for the heading and a line of who sits out at the smallest size.
            const int rest = m_.height(floor_, true) + m_.height(floor_, false) + gap_ / 2;
            nextArea.setHeight(std::max(0, p.height() - rest));
        }
        const int start = panelStart();

        QStringList next;
        int px = start;
        for (;; --px) {
            next.clear();
            for (const BoardMatch& m : content_.next) {
                const QString whole[4] = {m.a, m.b, m.c, m.d};
                if (!sideBySide && m_.width(nextLine(m, whole), px, false) > nextArea.width())
                    next << nextLinesSplit(m, px, nextArea.width(), m_);
                else
                    next << nextLineFitting(m, px, nextArea.width(), m_);
            }
            if (next.isEmpty())
                next << QStringLiteral("ありません（最後の回です）");
            bool fits =
                m_.height(px, true) + m_.height(px, false) * static_cast<int>(next.size()) <=
                nextArea.height();
            // Down to a little below the panel's usual size the lines must
            // fit whole; from there on a long name is cut rather than all
            // the text shrunk.
            if (px > std::max(floor_, panelPixels() * 4 / 5)) {
                for (const BoardMatch& m : content_.next) {
                    // A name longer than most is cut in any case: it does
                    // not make the other lines small.
                    const QString whole[4] = {m.a.left(LongName), m.b.left(LongName),
                                              m.c.left(LongName), m.d.left(LongName)};
                    if (sideBySide) {
                        fits = fits && m_.width(nextLine(m, whole), px, false) <= nextArea.width();
                    } else {
                        const QString a =
                            QStringLiteral("第%1試合 %2・%3").arg(m.number).arg(whole[0], whole[1]);
                        const QString b = QStringLiteral("　対 %1・%2").arg(whole[2], whole[3]);
                        fits = fits && std::max(m_.width(a, px, false), m_.width(b, px, false)) <=
                                           nextArea.width();
                    }
                }
            }
            if (fits || px <= floor_)
                break;
        }
        if (!sideBySide) {
            nextArea.setHeight(m_.height(px, true) +
                               m_.height(px, false) * static_cast<int>(next.size()));
            const int top = nextArea.bottom() + 1 + gap_ / 2;
            sitArea = QRect(p.left(), top, p.width(), std::max(0, p.bottom() + 1 - top));
        }
        placeBlock(nextArea, QStringLiteral("次の試合"), next, px, BoardRole::NextMatch);

        const QStringList sitters =
            content_.sitters.isEmpty() ? QStringList{QStringLiteral("なし")} : content_.sitters;
        QStringList lines;
        int spx = std::min(start, px);
        for (;; --spx) {
            lines = wrapNames(sitters, spx, sitArea.width(), m_);
            if (m_.height(spx, true) + m_.height(spx, false) * static_cast<int>(lines.size()) <=
                    sitArea.height() ||
                spx <= floor_)
                break;
        }
        placeBlock(sitArea, QStringLiteral("休み"), lines, spx, BoardRole::Sitters,
                   static_cast<int>(content_.sitters.size()));
    }

    // A heading and its lines from the top of `area`; lines that do not fit
    // are cut with "…", and the last line that fits says how many names
    // (of `names` in all) are left out.
    void placeBlock(const QRect& area, const QString& heading, const QStringList& lines, int px,
                    BoardRole role, int names = 0) {
        const int lh = m_.height(px, false);
        const int hh = m_.height(px, true);
        if (area.height() < hh)
            return;
        add(BoardRole::Heading, QRect(area.left(), area.top(), area.width(), hh),
            elided(heading, px, true, area.width(), m_), px, true,
            Qt::AlignLeft | Qt::AlignVCenter);
        const int room = (area.height() - hh) / std::max(1, lh);
        const int shown = std::min(room, static_cast<int>(lines.size()));
        for (int i = 0; i < shown; ++i) {
            QString text = lines.at(i);
            if (role == BoardRole::Sitters && i == shown - 1 && shown < lines.size()) {
                int left = names;
                for (int j = 0; j < shown; ++j)
                    left -= static_cast<int>(lines.at(j).count(NameSeparator)) + 1;
                const QString more = QStringLiteral(" ほか%1人").arg(left);
                const int moreW = m_.width(more, px, false);
                text = elided(text, px, false, area.width() - moreW, m_) + more;
            }
            add(role, QRect(area.left(), area.top() + hh + i * lh, area.width(), lh),
                elided(text, px, false, area.width(), m_), px, false,
                Qt::AlignLeft | Qt::AlignVCenter);
        }
    }

    QSize size_;
    const BoardContent& content_;
    const TextMeasure& m_;
    int nameMin_;
    int floor_;
    int gap_;
    BoardLayout layout_;
};

} // namespace

int minimumNamePixels(int height) {
    return (height + 19) / 20;
}

int minimumTextPixels(int height) {
    return (height + 39) / 40;
}

BoardLayout layoutBoard(QSize size, const BoardContent& content, const TextMeasure& measure) {
    return Builder(size, content, measure).build();
}

} // namespace pf
