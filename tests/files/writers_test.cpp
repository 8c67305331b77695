#include "files/csv_writer.h"
#include "files/html_writer.h"

#include "model/text_codec.h"
#include "sjis.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

// UTF-8 text with LF line ends as the Shift-JIS, CR LF bytes of a file.
QByteArray fileText(const char* utf8) {
    return test::sjisBytes(QByteArray(utf8).replace("\n", "\r\n").constData());
}

using test::sjis;

TEST(CsvWriter, OldLayoutHasTwoLinesPerSlotNewLayoutOne) {
    MatchTable t{};
    t[0] = MatchRecord{sjis("田中"), "B", "C", "D", 6, 4};
    t[1] = MatchRecord{"A,x", "B", "C", "D", 0, 12}; // a comma shifts that line's columns
    const QByteArray old = csvFileBytes(t, csvLayoutFromSetting(0));
    EXPECT_EQ(old.count("\r\n"), 240);
    EXPECT_EQ(old.count('\n'), 240);
    EXPECT_TRUE(old.startsWith(fileText("田中,B,6\nC,D,4\nA,x,B,0\nC,D,12\n,,0\n,,0\n")));
    EXPECT_TRUE(old.endsWith(",,0\r\n,,0\r\n"));
    EXPECT_EQ(old.size(), 10 + 7 + 9 + 8 + 118 * 10);

    for (const int mode : {1, 2, -1}) {
        const QByteArray lines = csvFileBytes(t, csvLayoutFromSetting(mode));
        EXPECT_EQ(lines.count("\r\n"), 120);
        EXPECT_TRUE(lines.startsWith(fileText("田中,B,6,C,D,4\nA,x,B,0,C,D,12\n,,0,,,0\n")));
        EXPECT_EQ(lines.size(), 16 + 16 + 118 * 9);
    }
}

const char* const Rule2RangeOnePage =
    "<HTML><HEAD><TITLE>\n"
    "テニス組み合わせ＆対戦結果\n"
    "</TITLE></HEAD><BODY BGCOLOR=\"#p\">\n"
    "<TABLE WIDTH=\"100%\" CELLSPACING=\"1\" BORDER=\"0\" BGCOLOR=\"#l\">\n"
    "<TR BGCOLOR=\"#t\">\n"
    "<TH COLSPAN=\"6\" BGCOLOR=\"#t\">順位表示</TH></TR>\n"
    "<TR BGCOLOR=\"#t\">\n"
    "<TH>順位</TH>\n"
    "<TH>メンバー名</TH>\n"
    "<TH>ゲーム数</TH>\n"
    "<TH>勝ゲーム</TH>\n"
    "<TH>敗ゲーム</TH>\n"
    "<TH>ゲーム率</TH></TR>\n"
    "<TR BGCOLOR=\"#d\">\n<TH BGCOLOR=\"#t\">1</TH>\n"
    "<TD>田中</TD>\n<TD>10</TD>\n<TD>6</TD>\n<TD>4</TD>\n<TD>0.600</TD>\n</TR>\n"
    "<TR BGCOLOR=\"#d\">\n<TH BGCOLOR=\"#t\">1</TH>\n"
    "<TD>B</TD>\n<TD>10</TD>\n<TD>6</TD>\n<TD>4</TD>\n<TD>0.600</TD>\n</TR>\n"
    "<TR BGCOLOR=\"#d\">\n<TH BGCOLOR=\"#t\">3</TH>\n"
    "<TD>C</TD>\n<TD>10</TD>\n<TD>4</TD>\n<TD>6</TD>\n<TD>0.400</TD>\n</TR>\n"
    "<TR BGCOLOR=\"#d\">\n<TH BGCOLOR=\"#t\">3</TH>\n"
    "<TD>D</TD>\n<TD>10</TD>\n<TD>4</TD>\n<TD>6</TD>\n<TD>0.400</TD>\n</TR>\n"
    "</TABLE>\n"
    "<BR><BR>\n"
    "<TABLE WIDTH=\"100%\" CELLSPACING=\"1\" BORDER=\"0\" BGCOLOR=\"#l\">\n"
    "<TR BGCOLOR=\"#t\">\n"
    "<TH>対戦表</TH></TR></TABLE>\n"
    "<TABLE WIDTH=\"100%\" CELLSPACING=\"1\" BORDER=\"0\" BGCOLOR=\"#l\">\n"
    "<TR BGCOLOR=\"#d\">\n"
    "<TH ROWSPAN=\"2\" WIDTH=\"15%\" BGCOLOR=\"#t\">第1試合</TH>\n"
    "<TD ROWSPAN=\"2\" ALIGN=\"CENTER\" WIDTH=\"10%\">6勝</TD>\n"
    "<TD WIDTH=\"30%\">田中</TD>\n"
    "<TD ROWSPAN=\"2\" ALIGN=\"CENTER\" WIDTH=\"5%\">－</TD>\n"
    "<TD WIDTH=\"30%\">C</TD>\n"
    "<TD ROWSPAN=\"2\" ALIGN=\"CENTER\" WIDTH=\"10%\">4勝</TD>\n"
    "</TR>\n"
    "<TR BGCOLOR=\"#d\">\n"
    "<TD>B</TD>\n"
    "<TD>D</TD>\n"
    "</TR></TABLE>\n"
    "</TABLE>\n"
    "</BODY></HTML>\n";

MatchTable oneMatch() {
    MatchTable t{};
    t[0] = MatchRecord{sjis("田中"), "B", "C", "D", 6, 4};
    t[1] = MatchRecord{"C", "D", "B", sjis("田中"), 0, 0};
    return t;
}

HtmlOptions options(RangeMode mode, int from = 1, int to = 120) {
    HtmlOptions o;
    o.range = {mode, from, to};
    return o;
}

QByteArray page(const MatchTable& t, int method, const HtmlOptions& o) {
    StandingsTable s;
    ComputeStandings(t, method, s);
    return htmlPageBytes(t, s, method, o);
}

TEST(HtmlWriter, WholePageUnderRuleTwoForOneMatch) {
    HtmlOptions o = options(RangeMode::Range, 1, 1);
    o.pageColor = "p";
    o.lineColor = "l";
    o.titleColor = "t";
    o.dataColor = "d";
    EXPECT_EQ(page(oneMatch(), 1, o), fileText(Rule2RangeOnePage));
}

TEST(HtmlWriter, OpeningAndClosingLinesWithDefaultColoursUnderRuleOne) {
    const QByteArray p = page(oneMatch(), 0, HtmlOptions{});
    EXPECT_TRUE(p.startsWith(fileText("<HTML><HEAD><TITLE>\n"
                                      "テニス組み合わせ＆対戦結果\n"
                                      "</TITLE></HEAD><BODY BGCOLOR=\"#99CCFF\">\n"
                                      "<TABLE WIDTH=\"100%\" CELLSPACING=\"1\" BORDER=\"0\" "
                                      "BGCOLOR=\"#3399FF\">\n"
                                      "<TR BGCOLOR=\"#66CCFF\">\n"
                                      "<TH COLSPAN=\"11\" BGCOLOR=\"#66CCFF\">順位表示</TH></TR>\n"
                                      "<TR BGCOLOR=\"#66CCFF\">\n"
                                      "<TH>順位</TH>\n<TH>メンバー名</TH>\n<TH>試合数</TH>\n"
                                      "<TH>勝数</TH>\n<TH>敗数</TH>\n<TH>分数</TH>\n"
                                      "<TH>勝率</TH>\n<TH>ゲーム数</TH>\n<TH>勝ゲーム</TH>\n"
                                      "<TH>敗ゲーム</TH>\n<TH>ゲーム率</TH></TR>\n"
                                      "<TR BGCOLOR=\"#FFFFCC\">\n<TH BGCOLOR=\"#66CCFF\">1</TH>\n"
                                      "<TD>田中</TD>\n<TD>1</TD>\n<TD>1</TD>\n<TD>0</TD>\n"
                                      "<TD>0</TD>\n<TD>1.000</TD>\n<TD>10</TD>\n<TD>6</TD>\n"
                                      "<TD>4</TD>\n<TD>0.600</TD>\n</TR>\n")));
    EXPECT_TRUE(p.endsWith(fileText("<TR BGCOLOR=\"#FFFFCC\">\n"
                                    "<TD></TD>\n"
                                    "<TD></TD>\n"
                                    "</TR></TABLE>\n"
                                    "</TABLE>\n"
                                    "</BODY></HTML>\n")));
    EXPECT_EQ(p.count("\r\n"), p.count('\n'));
    EXPECT_EQ(p.count("<TH ROWSPAN=\"2\""), 120);
    EXPECT_TRUE(p.contains(fileText("第120試合</TH>\n")));
}

TEST(HtmlWriter, MatchSectionFollowsTheRange) {
    const MatchTable t = oneMatch();
    const QByteArray results = page(t, 0, options(RangeMode::WithResults));
    EXPECT_EQ(results.count("<TH ROWSPAN=\"2\""), 1);
    EXPECT_TRUE(results.contains(fileText("第1試合")));

    const QByteArray fifth = page(t, 1, options(RangeMode::Range, 5, 5));
    EXPECT_EQ(fifth.count("<TH ROWSPAN=\"2\""), 1);
    EXPECT_TRUE(fifth.contains(fileText("\">第5試合</TH>\n")));
    EXPECT_TRUE(fifth.contains("COLSPAN=\"6\""));

    const QByteArray span = page(t, 0, options(RangeMode::Range, 2, 119));
    EXPECT_EQ(span.count("<TH ROWSPAN=\"2\""), 118);
    EXPECT_TRUE(span.contains(fileText("第2試合")));
    EXPECT_FALSE(span.contains(fileText("第1試合")));
    EXPECT_FALSE(span.contains(fileText("第120試合")));
}

TEST(HtmlWriter, NoMembersLeavesTitleAndHeadingRowsOnly) {
    const QByteArray p = page(MatchTable{}, 1, options(RangeMode::WithResults));
    EXPECT_EQ(p, fileText("<HTML><HEAD><TITLE>\n"
                          "テニス組み合わせ＆対戦結果\n"
                          "</TITLE></HEAD><BODY BGCOLOR=\"#99CCFF\">\n"
                          "<TABLE WIDTH=\"100%\" CELLSPACING=\"1\" BORDER=\"0\" "
                          "BGCOLOR=\"#3399FF\">\n"
                          "<TR BGCOLOR=\"#66CCFF\">\n"
                          "<TH COLSPAN=\"6\" BGCOLOR=\"#66CCFF\">順位表示</TH></TR>\n"
                          "<TR BGCOLOR=\"#66CCFF\">\n"
                          "<TH>順位</TH>\n<TH>メンバー名</TH>\n<TH>ゲーム数</TH>\n"
                          "<TH>勝ゲーム</TH>\n<TH>敗ゲーム</TH>\n<TH>ゲーム率</TH></TR>\n"
                          "</TABLE>\n"
                          "<BR><BR>\n"
                          "<TABLE WIDTH=\"100%\" CELLSPACING=\"1\" BORDER=\"0\" "
                          "BGCOLOR=\"#3399FF\">\n"
                          "<TR BGCOLOR=\"#66CCFF\">\n"
                          "<TH>対戦表</TH></TR></TABLE>\n"
                          "</TABLE>\n"
                          "</BODY></HTML>\n"));
}

TEST(HtmlWriter, NamesCellsAndColoursAreEscaped) {
    MatchTable t{};
    t[0] = MatchRecord{"<script>", "Tom & Jerry", "\"Q\"", sjis("大>小"), 3, 1};
    HtmlOptions o;
    o.pageColor = "\"><script>alert(1)</script>";
    o.dataColor = "00ff00"; // written as typed
    const QByteArray p = page(t, 0, o);
    EXPECT_FALSE(p.contains("<script>"));
    EXPECT_TRUE(p.contains("<BODY BGCOLOR=\"#&quot;&gt;&lt;script&gt;alert(1)&lt;/script&gt;\">"));
    EXPECT_TRUE(p.contains("<TR BGCOLOR=\"#00ff00\">"));
    EXPECT_TRUE(p.contains("<TD WIDTH=\"30%\">&lt;script&gt;</TD>\r\n"));
    EXPECT_TRUE(p.contains("<TD>&lt;script&gt;</TD>\r\n<TD>1</TD>"));
    EXPECT_TRUE(p.contains("<TD>Tom &amp; Jerry</TD>\r\n"));
    EXPECT_TRUE(p.contains("<TD WIDTH=\"30%\">&quot;Q&quot;</TD>\r\n"));
    EXPECT_TRUE(p.contains(fileText("<TD>大&gt;小</TD>\n")));
    EXPECT_EQ(htmlEscaped(sjis("表示")), sjis("表示")); // 0x95 0x5C: trail byte kept
}

} // namespace
} // namespace pf
