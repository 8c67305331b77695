// The candidate editor's text: line ends on loading, and the clean-up that
// decides the bytes of pairforge.txt.

#include "members/candidate_text.h"
#include "members/name_order.h"
#include "model/text_codec.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace pf;

namespace {

QByteArray clean(const char* text) {
    return cleanCandidateText(QByteArray(text));
}

TEST(CandidateText, LoadingTurnsEveryLineEndIntoCrLfAndStopsAtNul) {
    EXPECT_EQ(normalizeLineEnds("A\nB\rC\r\nD"), QByteArray("A\r\nB\r\nC\r\nD"));
    EXPECT_EQ(normalizeLineEnds("A\r\r\nB\n\n"), QByteArray("A\r\n\r\nB\r\n\r\n"));
    EXPECT_EQ(normalizeLineEnds(QByteArray("A\nB\0C\n", 6)), QByteArray("A\r\nB"));
    EXPECT_EQ(normalizeLineEnds(""), QByteArray());
}

TEST(CandidateText, BlankLinesGoAndNothingIsTrimmed) {
    EXPECT_EQ(clean("A\r\n\r\nB"), QByteArray("A\r\nB"));
    EXPECT_EQ(clean("A\r\n \r\nB\r\n\x81\x40\r\nC"), QByteArray("A\r\nB\r\nC"));
    // Two spaces, a name with a leading space and two ideographic spaces stay.
    EXPECT_EQ(clean("  \r\n A\r\n\x81\x40\x81\x40"), QByteArray("  \r\n A\r\n\x81\x40\x81\x40"));
    EXPECT_EQ(clean("\r\n\r\n \r\n"), QByteArray());
    EXPECT_EQ(clean(""), QByteArray());
}

TEST(CandidateText, RepeatsGoKeepingTheFirstAndTheFinalLineBreak) {
    EXPECT_EQ(clean("B\r\nA\r\nB\r\n"), QByteArray("B\r\nA\r\n"));
    EXPECT_EQ(clean("A\r\nA\r\nA\r\nB"), QByteArray("A\r\nB"));
    EXPECT_EQ(clean("ab\r\nAB\r\nab"), QByteArray("ab\r\nAB\r\n"));
    // Without a final break, deleting the last line leaves the break above.
    EXPECT_EQ(clean("A\r\nB\r\n"), QByteArray("A\r\nB\r\n"));
    EXPECT_EQ(clean("A\r\nB\r\n "), QByteArray("A\r\nB\r\n"));
    EXPECT_EQ(clean("A\r\nB"), QByteArray("A\r\nB"));
    // Shift-JIS names compare byte for byte.
    EXPECT_EQ(clean("\x90\xc2\x96\xd8\r\n\x90\xc2\x96\xd8\r\nX"),
              QByteArray("\x90\xc2\x96\xd8\r\nX"));
}

struct KeptBytesCase {
    const char* name;
    QByteArray read;  // the file as loaded
    QString edited;   // the editor's text; null: as the editor shows `read`
    QByteArray saved; // before the clean-up
};

class CandidateBytes : public ::testing::TestWithParam<KeptBytesCase> {};

TEST_P(CandidateBytes, UnchangedLinesKeepTheBytesTheyWereReadAs) {
    QString edited = GetParam().edited;
    if (edited.isNull())
        edited = decodeCp932(GetParam().read).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const std::optional<QByteArray> saved =
        encodeCandidateLines(edited.split(QLatin1Char('\n')), GetParam().read, nullptr);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->toHex(' '), GetParam().saved.toHex(' '));
}

// ED40 and FA5C are both 纊, 8790 and 81E0 both ≒, EEF9 and 81CA both ￢:
// encoding the text afresh would give the second form of each.
INSTANTIATE_TEST_SUITE_P(
    Cases, CandidateBytes,
    ::testing::Values(
        KeptBytesCase{"NecSelectedForms", "\xed\x40\r\n\x87\x90\r\n\xee\xf9",
                      QStringLiteral("纊\n≒\n￢"), "\xed\x40\r\n\x87\x90\r\n\xee\xf9"},
        KeptBytesCase{"BothFormsInOrder", "\xed\x40\r\n\xfa\x5c", QStringLiteral("纊\n纊\n纊"),
                      "\xed\x40\r\n\xfa\x5c\r\n\xfa\x5c"},
        KeptBytesCase{"NewLinesAreEncoded", "\xed\x40", QStringLiteral("纊x\n纊"),
                      "\xfa\x5c\x78\r\n\xed\x40"},
        KeptBytesCase{"LeadByteCutByTheLineEnd", "a\x82\r\nc", QString(), "a\x82\r\nc"},
        KeptBytesCase{"UndecodableLinesKept", "\x81\xff\r\n\xa0\r\n\x81", QString(),
                      "\x81\xff\r\n\xa0\r\n\x81"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CandidateBytes, ALineThatCannotBeEncodedIsNamed) {
    int bad = -1;
    EXPECT_FALSE(encodeCandidateLines({QStringLiteral("a"), QStringLiteral("🎾")}, "a", &bad));
    EXPECT_EQ(bad, 1);
}

TEST(NameOrder, IgnoresLetterCaseButNeverCallsTwoNamesEqual) {
    std::vector<Name> names{"b", "AB", "a", "ab", "B", "Ab"};
    std::sort(names.begin(), names.end(), nameLess);
    EXPECT_EQ(names, (std::vector<Name>{"a", "AB", "Ab", "ab", "B", "b"}));
    EXPECT_FALSE(nameLess("x", "x"));
    // Kana sort by the Japanese syllabary, whatever the byte order.
    const Name ka("\x83\x4a"); // カ
    const Name a("\x82\xa0");  // あ
    EXPECT_TRUE(nameLess(a, ka));
    EXPECT_TRUE(nameLess("Z", a));
}

} // namespace
