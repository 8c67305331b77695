#include "dialogs/board_layout.h"

#include <algorithm>
#include <array>
#include <climits>

namespace pf {
namespace {

const QString Ellipsis = QStringLiteral("…");
const QString NameSeparator = QStringLiteral("、");

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

QString nextLine(const BoardMatch& m) {
    return QStringLiteral("第%1試合　%2・%3　対　%4・%5").arg(m.number).arg(m.a, m.b, m.c, m.d);
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
          floor_(std::max(10, size.height() / 45)),
          gap_(std::max(4, std::min(size.width(), size.height()) / 50)) {}

    BoardLayout build() {
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
            placeCourt(courts[k], content_.courts[k], headerPx);
        placePanel();
        return layout_;
    }

private:
    std::vector<Arrangement> arrangements() const {
        const int n = static_cast<int>(content_.courts.size());
        const int w = size_.width();
        const int h = size_.height();
        const QRect inner(gap_, gap_, w - 2 * gap_, h - 2 * gap_);
        std::vector<Arrangement> all;
        // Courts side by side or stacked, the panel along the bottom.
        const int panelH = h * 27 / 100;
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
        // Courts stacked on the left, the panel beside them: only on screens
        // so wide that a band below would leave the courts too low.
        if (w <= 2 * h)
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
        long bestScore = -1;
        for (const Arrangement& a : all) {
            int width = INT_MAX;
            int height = INT_MAX;
            for (const QRect& cell : a.cells) {
                const CourtGeometry g = courtIn(cell, headerH, gap_);
                width = std::min(width, g.names[0].width());
                height = std::min(height, g.names[0].height());
            }
            // Tall enough places first, then the widest; the area breaks ties.
            const long score = (height >= lineH ? 1L << 40 : 0) +
                               static_cast<long>(std::max(0, width)) * 100000 + std::max(0, height);
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

    void placeCourt(const CourtGeometry& g, const BoardMatch& match, int headerPx) {
        const QString number = QStringLiteral("第%1試合").arg(match.number);
        const QString score = QStringLiteral("%1 対 %2").arg(match.winA).arg(match.winB);
        // The number at the left, the counts above the net, each pair's on
        // its side of the "対".
        const int half = g.header.width() / 2;
        int px = headerPx;
        while (px > floor_ &&
               m_.width(number, px, true) + gap_ + m_.width(score, px, true) / 2 > half)
            --px;
        const int h = m_.height(px, true);
        const int y = g.header.bottom() + 1 - h;
        const int wScore = std::min(half, m_.width(score, px, true));
        const int wNumber = std::min(half - wScore / 2 - gap_, m_.width(number, px, true));
        add(BoardRole::MatchNumber, QRect(g.header.left(), y, std::max(0, wNumber), h),
            elided(number, px, true, wNumber, m_), px, true, Qt::AlignLeft | Qt::AlignVCenter);
        add(BoardRole::Score, QRect(g.header.left() + half - wScore / 2, y, wScore, h),
            elided(score, px, true, wScore, m_), px, true, Qt::AlignCenter);

        const QString names[4] = {match.a, match.b, match.c, match.d};
        for (int i = 0; i < 4; ++i) {
            if (names[i].isEmpty())
                continue;
            const QRect& box = g.names[static_cast<std::size_t>(i)];
            // Below the common size only a name too long even for the
            // smallest size.
            const int npx =
                fittingPixels(names[i], true, box.width(), layout_.namePixels, floor_, m_);
            const QString text = elided(names[i], npx, true, box.width(), m_);
            const int th = std::min(box.height(), m_.height(npx, true));
            const QRect rect(box.left(), box.top() + (box.height() - th) / 2, box.width(), th);
            add(BoardRole::Name, rect, text, npx, true, Qt::AlignCenter);
        }
    }

    // The panel: "次の試合" with the next round's matches, and "休み" with
    // who sits out, side by side on a wide panel, one above the other on a
    // tall one; the text shrinks until everything is in.
    void placePanel() {
        const QRect& p = layout_.panel;
        const bool sideBySide = p.width() > 2 * p.height();
        QRect nextArea, sitArea;
        if (sideBySide) {
            const int w = (p.width() - gap_) * 58 / 100;
            nextArea = QRect(p.left(), p.top(), w, p.height());
            sitArea = QRect(nextArea.right() + 1 + gap_, p.top(), p.width() - w - gap_, p.height());
        }
        QStringList next;
        for (const BoardMatch& m : content_.next)
            next << nextLine(m);
        if (next.isEmpty())
            next << QStringLiteral("ありません（最後の回です）");
        const QStringList sitters =
            content_.sitters.isEmpty() ? QStringList{QStringLiteral("なし")} : content_.sitters;

        int px = nameMin_;
        for (;; --px) {
            const int lh = m_.height(px, false);
            const int hh = m_.height(px, true);
            if (!sideBySide) {
                const int nextH = hh + lh * static_cast<int>(next.size());
                nextArea = QRect(p.left(), p.top(), p.width(), nextH);
                sitArea = QRect(p.left(), p.top() + nextH + gap_ / 2, p.width(),
                                std::max(0, p.height() - nextH - gap_ / 2));
            }
            const QStringList lines = wrapNames(sitters, px, sitArea.width(), m_);
            bool fits = hh + lh * static_cast<int>(next.size()) <= nextArea.height() &&
                        hh + lh * static_cast<int>(lines.size()) <= sitArea.height();
            for (const QString& l : next)
                fits = fits && m_.width(l, px, false) <= nextArea.width();
            if (fits || px <= floor_) {
                placeBlock(nextArea, QStringLiteral("次の試合"), next, px, BoardRole::NextMatch);
                placeBlock(sitArea, QStringLiteral("休み"), lines, px, BoardRole::Sitters,
                           static_cast<int>(content_.sitters.size()));
                return;
            }
        }
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

BoardLayout layoutBoard(QSize size, const BoardContent& content, const TextMeasure& measure) {
    return Builder(size, content, measure).build();
}

} // namespace pf
