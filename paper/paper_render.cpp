#include "paper/paper_render.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSet>
#include <algorithm>
#include <vector>

namespace pf {
namespace {

// The measure's own size: large enough that widths need no rounding.
constexpr int MeasurePixels = 100;

void drawText(QPainter& painter, const QRectF& rect, const QString& text, double points, bool bold,
              Qt::Alignment align, double k) {
    if (text.isEmpty())
        return;
    QFont font = paperFont(bold);
    // In device pixels, so that the type is as large on every device as the
    // layout measured it.
    font.setPixelSize(std::max(1, qRound(points * k)));
    const QFontMetricsF fm(font); // pixels are pixels on any device
    const double advance = fm.horizontalAdvance(text);
    double x = rect.left();
    if (align & Qt::AlignRight)
        x = rect.right() - advance;
    else if (align & Qt::AlignHCenter)
        x = rect.center().x() - advance / 2;
    // The em box centred in the line; the font's own ascent and descent are
    // far apart for Japanese faces and would push the text down.
    const double em = fm.ascent() + fm.descent();
    const double baseline = rect.top() + (rect.height() - em) / 2 + fm.ascent();
    painter.setFont(font);
    painter.drawText(QPointF(x, baseline), text);
}

} // namespace

QPageSize pageSizeOf(PaperSize size) {
    switch (size) {
    case PaperSize::A4:
        return QPageSize(QPageSize::A4);
    case PaperSize::A3:
        return QPageSize(QPageSize::A3);
    case PaperSize::B4:
        return QPageSize(QPageSize::JisB4);
    case PaperSize::Letter:
        return QPageSize(QPageSize::Letter);
    }
    return QPageSize(QPageSize::A4);
}

QFont paperFont(bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Yu Gothic"),
                   QStringLiteral("游ゴシック"), QStringLiteral("Meiryo"),
                   QStringLiteral("メイリオ"), QStringLiteral("MS Gothic"),
                   QStringLiteral("ＭＳ ゴシック")});
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

struct PaperFontMeasure::Metrics {
    QFontMetricsF regular;
    QFontMetricsF bold;
    mutable QHash<QString, double> cache[2];
};

namespace {
QFont measureFont(bool bold) {
    QFont f = paperFont(bold);
    f.setPixelSize(MeasurePixels);
    return f;
}
} // namespace

PaperFontMeasure::PaperFontMeasure()
    : metrics_(std::make_unique<Metrics>(
          Metrics{QFontMetricsF(measureFont(false)), QFontMetricsF(measureFont(true)), {}})) {}

PaperFontMeasure::~PaperFontMeasure() = default;

double PaperFontMeasure::width(const QString& text, double points, bool bold) const {
    QHash<QString, double>& cache = metrics_->cache[bold ? 1 : 0];
    auto it = cache.constFind(text);
    if (it == cache.constEnd())
        it =
            cache.insert(text, (bold ? metrics_->bold : metrics_->regular).horizontalAdvance(text));
    return *it * points / MeasurePixels;
}

void paintPaperPage(QPainter& painter, const PaperDocument& doc, int index, double k) {
    if (index < 0 || index >= static_cast<int>(doc.pages.size()))
        return;
    const QPen framePen(QColor(90, 90, 90), 0.5 * k);
    const QPen boxPen(Qt::black, 0.8 * k);
    QPen cutPen(QColor(110, 110, 110), 0.6 * k, Qt::DashLine);
    painter.setBrush(Qt::NoBrush);
    for (const PaperItem& item : doc.pages[static_cast<std::size_t>(index)].items) {
        const QRectF r(item.rect.topLeft() * k, item.rect.size() * k);
        switch (item.kind) {
        case PaperItemKind::Text:
            painter.setPen(Qt::black);
            drawText(painter, r, item.text, item.points, item.bold, item.align, k);
            break;
        case PaperItemKind::Box:
            painter.setPen(boxPen);
            painter.drawRect(r);
            painter.setPen(Qt::black);
            drawText(painter, r, item.text, item.points, true, Qt::AlignHCenter, k);
            break;
        case PaperItemKind::Frame:
            painter.setPen(framePen);
            if (r.width() <= 0 || r.height() <= 0)
                painter.drawLine(r.topLeft(), r.bottomRight());
            else
                painter.drawRect(r);
            break;
        case PaperItemKind::CutLine:
            painter.setPen(cutPen);
            painter.drawLine(r.topLeft(), r.bottomRight());
            break;
        }
    }
}

QHash<char16_t, char16_t> glyphAliases(const QFont& font, const QString& used) {
    QHash<char16_t, char16_t> aliases;
    QFont sized = font;
    sized.setPixelSize(MeasurePixels);
    const QRawFont raw = QRawFont::fromFont(sized);
    if (!raw.isValid())
        return aliases;
    // The lowest code point of every glyph, as the PDF writer finds it.
    std::vector<QChar> all;
    all.reserve(0x10000);
    for (char32_t u = 0; u < 0x10000; ++u)
        all.push_back(u >= 0xD800 && u < 0xE000 ? QChar(u'\0') : QChar(static_cast<char16_t>(u)));
    std::vector<quint32> glyphs(all.size());
    int count = static_cast<int>(glyphs.size());
    if (!raw.glyphIndexesForChars(all.data(), static_cast<int>(all.size()), glyphs.data(), &count))
        return aliases;
    QHash<quint32, char16_t> lowest;
    for (char32_t u = 1; u < 0x10000; ++u) {
        const quint32 g = glyphs[u];
        if (g != 0 && !(u >= 0xD800 && u < 0xE000) && !lowest.contains(g))
            lowest.insert(g, static_cast<char16_t>(u));
    }
    for (const QChar c : used) {
        if (c.isSurrogate())
            continue;
        const quint32 g = glyphs[c.unicode()];
        const char16_t low = lowest.value(g, c.unicode());
        if (g != 0 && low != c.unicode() && !used.contains(QChar(low)))
            aliases.insert(low, c.unicode());
    }
    return aliases;
}

namespace {

// "<XXXX>" tokens of one line: their offsets (of the first hex digit).
std::vector<qsizetype> hexTokens(const QByteArray& pdf, qsizetype from, qsizetype to) {
    std::vector<qsizetype> at;
    for (qsizetype i = pdf.indexOf('<', from); i >= 0 && i < to; i = pdf.indexOf('<', i + 1))
        if (i + 5 < to && pdf.at(i + 5) == '>')
            at.push_back(i + 1);
    return at;
}

void replaceCode(QByteArray& pdf, qsizetype at, const QHash<char16_t, char16_t>& aliases) {
    bool ok = false;
    const uint code = pdf.mid(at, 4).toUInt(&ok, 16);
    if (!ok)
        return;
    const auto it = aliases.constFind(static_cast<char16_t>(code));
    if (it == aliases.constEnd())
        return;
    const QByteArray hex =
        QByteArray::number(static_cast<uint>(*it), 16).toUpper().rightJustified(4, '0');
    pdf.replace(at, 4, hex);
}

} // namespace

void fixPdfTextMaps(QByteArray& pdf, const QHash<char16_t, char16_t>& aliases) {
    if (aliases.isEmpty())
        return;
    for (qsizetype begin = pdf.indexOf("begincmap"); begin >= 0;
         begin = pdf.indexOf("begincmap", begin + 1)) {
        const qsizetype end = pdf.indexOf("endcmap", begin);
        if (end < 0)
            return;
        for (const char* section : {"beginbfchar", "beginbfrange"}) {
            const bool range = section[7] == 'r';
            for (qsizetype s = pdf.indexOf(section, begin); s >= 0 && s < end;
                 s = pdf.indexOf(section, s + 1)) {
                const qsizetype close = pdf.indexOf(range ? "endbfrange" : "endbfchar", s);
                qsizetype line = pdf.indexOf('\n', s) + 1;
                while (line > 0 && line < close) {
                    const qsizetype next = pdf.indexOf('\n', line);
                    const qsizetype lineEnd = next < 0 ? close : next;
                    const std::vector<qsizetype> t = hexTokens(pdf, line, lineEnd);
                    if (!range && t.size() == 2) {
                        replaceCode(pdf, t[1], aliases);
                    } else if (range && t.size() >= 3) {
                        const bool array =
                            pdf.indexOf('[', line) >= 0 && pdf.indexOf('[', line) < lineEnd;
                        if (array) {
                            for (std::size_t i = 2; i < t.size(); ++i)
                                replaceCode(pdf, t[i], aliases);
                        } else if (t.size() == 3 && pdf.mid(t[0], 4) == pdf.mid(t[1], 4)) {
                            replaceCode(pdf, t[2], aliases);
                        }
                    }
                    line = lineEnd + 1;
                }
            }
        }
        begin = end;
    }
}

QByteArray paperPdf(const PaperDocument& doc, const PaperSetup& setup) {
    QByteArray bytes;
    QString used;
    {
        QBuffer buffer(&bytes);
        if (!buffer.open(QIODevice::WriteOnly))
            return {};
        QPdfWriter writer(&buffer);
        constexpr int Dpi = 720;
        writer.setResolution(Dpi);
        writer.setPageLayout(
            QPageLayout(pageSizeOf(setup.size),
                        setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                        QMarginsF(0, 0, 0, 0)));
        writer.setTitle(setup.title);
        writer.setCreator(QStringLiteral("PAIRFORGE"));
        QPainter painter;
        if (!painter.begin(&writer))
            return {};
        for (int i = 0; i < static_cast<int>(doc.pages.size()); ++i) {
            if (i > 0 && !writer.newPage())
                return {};
            paintPaperPage(painter, doc, i, Dpi / 72.0);
            for (const PaperItem& item : doc.pages[static_cast<std::size_t>(i)].items)
                used += item.text;
        }
        painter.end();
    }
    // Each character once is enough for the aliases.
    QString distinct;
    {
        QSet<QChar> seen;
        for (const QChar c : used)
            if (!seen.contains(c)) {
                seen.insert(c);
                distinct += c;
            }
    }
    QHash<char16_t, char16_t> aliases = glyphAliases(paperFont(false), distinct);
    aliases.insert(glyphAliases(paperFont(true), distinct));
    fixPdfTextMaps(bytes, aliases);
    return bytes;
}

QByteArray paperPdf(PaperDoc which, const PaperDay& day, const PaperSetup& setup) {
    const PaperFontMeasure measure;
    return paperPdf(layoutPaper(which, day, setup, measure), setup);
}

} // namespace pf
