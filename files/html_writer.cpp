#include "files/html_writer.h"

#include "model/text_codec.h"

#include <algorithm>
#include <string>

namespace pf {
namespace {

// Collects the page. Fixed ASCII markup goes in as is, the page's Japanese
// captions are encoded once, and every text that comes from the organiser is
// escaped.
class Page {
public:
    Page& raw(const char* ascii) {
        out_.append(ascii);
        return *this;
    }
    Page& jp(const char* utf8) { return bytes_(cp932Literal(utf8)); }
    Page& text(const std::string& held) { return bytes_(htmlEscaped(held)); }
    Page& number(std::int32_t value) { return bytes_(std::to_string(value)); }
    Page& eol() { return raw("\r\n"); }
    QByteArray take() { return std::move(out_); }

private:
    Page& bytes_(const std::string& s) {
        out_.append(s.data(), static_cast<qsizetype>(s.size()));
        return *this;
    }
    QByteArray out_;
};

void tableStart(Page& p, const std::string& lineColor) {
    p.raw("<TABLE WIDTH=\"100%\" CELLSPACING=\"1\" ");
    p.raw("BORDER=\"0\" BGCOLOR=\"#").text(lineColor).raw("\">").eol();
}

void rowStart(Page& p, const std::string& color) {
    p.raw("<TR BGCOLOR=\"#").text(color).raw("\">").eol();
}

void standingsSection(Page& p, const StandingsTable& standings, int columns, const HtmlOptions& o) {
    tableStart(p, o.lineColor);
    rowStart(p, o.titleColor);
    p.raw("<TH COLSPAN=\"").number(columns).raw("\" BGCOLOR=\"#").text(o.titleColor).raw("\">");
    p.jp("順位表示").raw("</TH></TR>").eol();
    rowStart(p, o.titleColor);
    for (int col = 0; col < columns; ++col) {
        p.raw("<TH>").text(standings.cell(0, col)).raw("</TH>");
        if (col == columns - 1)
            p.raw("</TR>");
        p.eol();
    }
    for (int row = 1; row < StandingsRows && !standings.cell(row, 1).empty(); ++row) {
        rowStart(p, o.dataColor);
        p.raw("<TH BGCOLOR=\"#").text(o.titleColor).raw("\">");
        p.text(standings.cell(row, 0)).raw("</TH>").eol();
        for (int col = 1; col < columns; ++col)
            p.raw("<TD>").text(standings.cell(row, col)).raw("</TD>").eol();
        p.raw("</TR>").eol();
    }
    p.raw("</TABLE>").eol();
    p.raw("<BR><BR>").eol();
}

void matchBlock(Page& p, int number, const MatchRecord& m, const HtmlOptions& o) {
    tableStart(p, o.lineColor);
    rowStart(p, o.dataColor);
    p.raw("<TH ROWSPAN=\"2\" WIDTH=\"15%\" ");
    p.raw("BGCOLOR=\"#").text(o.titleColor).raw("\">");
    p.jp("第").number(number).jp("試合").raw("</TH>").eol();
    p.raw("<TD ROWSPAN=\"2\" ALIGN=\"CENTER\" WIDTH=\"10%\">");
    p.number(m.WinA).jp("勝").raw("</TD>").eol();
    p.raw("<TD WIDTH=\"30%\">").text(m.a).raw("</TD>").eol();
    p.raw("<TD ROWSPAN=\"2\" ALIGN=\"CENTER\" WIDTH=\"5%\">").jp("－").raw("</TD>").eol();
    p.raw("<TD WIDTH=\"30%\">").text(m.c).raw("</TD>").eol();
    p.raw("<TD ROWSPAN=\"2\" ALIGN=\"CENTER\" WIDTH=\"10%\">");
    p.number(m.WinB).jp("勝").raw("</TD>").eol();
    p.raw("</TR>").eol();
    rowStart(p, o.dataColor);
    p.raw("<TD>").text(m.b).raw("</TD>").eol();
    p.raw("<TD>").text(m.d).raw("</TD>").eol();
    p.raw("</TR></TABLE>").eol();
}

void matchSection(Page& p, const MatchTable& matches, const HtmlOptions& o) {
    tableStart(p, o.lineColor);
    rowStart(p, o.titleColor);
    p.raw("<TH>").jp("対戦表").raw("</TH></TR></TABLE>").eol();

    int first = 1;
    int last = MaxMatches;
    if (o.range.mode == RangeMode::Range) {
        first = std::max(o.range.from, 1);
        last = std::min(o.range.to, MaxMatches);
    }
    for (int n = first; n <= last; ++n) {
        const MatchRecord& m = matches[static_cast<std::size_t>(n - 1)];
        if (o.range.mode == RangeMode::WithResults && m.WinA == 0 && m.WinB == 0)
            continue;
        matchBlock(p, n, m, o);
    }
}

} // namespace

std::string htmlEscaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += ch;
            break;
        }
    }
    return out;
}

QByteArray htmlPageBytes(const MatchTable& matches, const StandingsTable& standings,
                         int rankingMethod, const HtmlOptions& options) {
    Page p;
    p.raw("<HTML><HEAD><TITLE>").eol();
    p.jp("テニス組み合わせ＆対戦結果").eol();
    p.raw("</TITLE></HEAD>");
    p.raw("<BODY BGCOLOR=\"#").text(options.pageColor).raw("\">").eol();
    standingsSection(p, standings, standingsColumnCount(rankingRuleOf(rankingMethod)), options);
    matchSection(p, matches, options);
    p.raw("</TABLE>").eol();
    p.raw("</BODY></HTML>").eol();
    return p.take();
}

} // namespace pf
