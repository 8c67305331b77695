// The candidate editor's text: line ends on loading, and the clean-up that
// decides the bytes of pairforge.txt.

#include "members/candidate_text.h"
#include "members/name_order.h"

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
