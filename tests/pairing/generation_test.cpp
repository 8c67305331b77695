#include "model/name_rules.h"
#include "pairing/generation.h"
#include "pairing/random_source.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

MemberRoster rosterOf(std::initializer_list<const char*> names) {
    MemberRoster r{};
    std::size_t i = 0;
    for (const char* n : names)
        r[i++] = n;
    return r;
}

MemberRoster numbered(int n) {
    MemberRoster r{};
    for (int i = 0; i < n; ++i)
        r[static_cast<std::size_t>(i)] = "p" + std::to_string(i + 1);
    return r;
}

TEST(checkRoster, DuplicatesAreReportedBeforeTooFewMembers) {
    const auto dup = checkRoster(rosterOf({"a", "b", "a"}), 1);
    EXPECT_EQ(dup.error, MsgDuplicateMember);
    // Letter case makes names different.
    EXPECT_EQ(checkRoster(rosterOf({"a", "A", "b", "B"}), 1).error, "");
    // Far apart still counts.
    MemberRoster far = numbered(100);
    far[99] = far[0];
    EXPECT_EQ(checkRoster(far, 3).error, MsgDuplicateMember);
}

TEST(checkRoster, NeedsFourPerCourtCountingOnlyLeadingRows) {
    EXPECT_EQ(checkRoster(numbered(8), 2).error, "");
    EXPECT_EQ(checkRoster(numbered(7), 2).error, MsgTooFewMembers);
    EXPECT_EQ(checkRoster(numbered(11), 3).error, MsgTooFewMembers);
    EXPECT_EQ(checkRoster(MemberRoster{}, 1).error, MsgTooFewMembers);
    // Rows 0-2 filled, row 3 empty, rows 4-11 filled: three participants.
    MemberRoster gap = numbered(12);
    gap[3].clear();
    const auto check = checkRoster(gap, 1);
    EXPECT_EQ(check.participants.size(), 3u);
    EXPECT_EQ(check.error, MsgTooFewMembers);
}

TEST(checkRoster, RefusesNamesThatWouldBreakTheDataFile) {
    EXPECT_EQ(checkRoster(rosterOf({"a", "b,c", "d", "e"}), 1).error,
              "メンバー名「b,c」に半角カンマ(,)は使用出来ません。");
    MemberRoster longName = numbered(4);
    longName[2] = std::string(256, 'x');
    EXPECT_EQ(
        checkRoster(longName, 1).error,
        "メンバー名「xxxxxxxxxxxxxxxxxxxx…」は半角255文字（全角127文字）以内で入力して下さい。");
    longName[2] = std::string(255, 'x');
    EXPECT_EQ(checkRoster(longName, 1).error, "");
    MemberRoster control = numbered(4);
    control[1] = "tab\there";
    EXPECT_EQ(checkRoster(control, 1).error,
              "メンバー名「tab\there」に使用出来ない文字が含まれています。");
}

TEST(NameRules, TypedNamesAreMappedEncodedOrRefused) {
    // "山田" in Shift-JIS.
    const NameEntry yamada = memberNameFromText(QStringLiteral("山田"));
    EXPECT_EQ(yamada.error, "");
    EXPECT_EQ(yamada.bytes, "\x8e\x52\x93\x63");
    // Wave dash typed on Linux becomes the full-width tilde of code page 932 (0x81 0x60).
    EXPECT_EQ(memberNameFromText(QString::fromUtf8("a\u301Cb")).bytes, "a\x81\x60"
                                                                       "b");
    // Minus sign becomes the full-width hyphen-minus (0x81 0x7C).
    EXPECT_EQ(memberNameFromText(QString::fromUtf8("\u2212")).bytes, "\x81\x7c");
    EXPECT_EQ(memberNameFromText(QStringLiteral("a,b")).error,
              "メンバー名「a,b」に半角カンマ(,)は使用出来ません。");
    EXPECT_EQ(memberNameFromText(QString::fromUtf8("\U0001F3BE")).error,
              "メンバー名「\U0001F3BE」に使用出来ない文字が含まれています。"); // emoji
    EXPECT_EQ(memberNameFromText(QString::fromUtf8("한국")).error,
              "メンバー名「한국」に使用出来ない文字が含まれています。"); // Hangul
    EXPECT_EQ(memberNameFromText(QString(128, QChar(0x3042))).error,     // 256 bytes
              "メンバー名「ああああああああああああああああああああ…」は半角255文字（全角127文字）"
              "以内で入力して下さい。");
    EXPECT_EQ(memberNameFromText(QString(127, QChar(0x3042))).error, "");
    EXPECT_EQ(memberNameFromText(QString()).error,
              "メンバー名「」に使用出来ない文字が含まれています。");
}

TEST(NameRules, StoredBytesAreCheckedCharacterByCharacter) {
    EXPECT_EQ(checkMemberName("\x8e\x52\x93\x63"), "");
    EXPECT_NE(checkMemberName("\x8e"), "");  // lead byte cut off
    EXPECT_NE(checkMemberName("a\x7f"), ""); // DEL
    EXPECT_NE(checkMemberName("\x81\x2c").find("半角カンマ"),
              std::string::npos);               // a comma byte is a comma
    EXPECT_EQ(checkMemberName("\xb1\xb2"), ""); // half-width katakana
}

TEST(GeneratePairing, OpensAFullPairingAndCloseEmptiesItKeepingTheRoster) {
    Session s;
    s.Roster = numbered(9);
    s.CourtCount = 2;
    s.FileName = "old.pf1";
    s.HtmlFileName = "old.html";
    s.CsvFileName = "old.csv";
    Generators generators;
    const EntryList& entries = generators.entries();
    for (int method : {0, 1, 7}) {
        s.GenerationMethod = method;
        s.Matches[5].WinA = 3;
        ASSERT_TRUE(GeneratePairing(s, generators).ok());
        EXPECT_TRUE(s.PairingOpen);
        EXPECT_TRUE(s.Modified);
        EXPECT_EQ(s.Participants.size(), 9u);
        for (const auto& m : s.Matches) {
            EXPECT_FALSE(m.a.empty() || m.b.empty() || m.c.empty() || m.d.empty());
            EXPECT_FALSE(m.hasScore());
        }
        EXPECT_EQ(entries.MatchSerial, method == 0 ? 120 : 0);
        closePairing(s, generators);
        EXPECT_FALSE(s.PairingOpen);
        EXPECT_FALSE(s.Modified);
        EXPECT_TRUE(s.FileName.empty());
        EXPECT_TRUE(s.HtmlFileName.empty());
        EXPECT_EQ(s.CsvFileName, "old.csv");
        EXPECT_EQ(entries.MatchSerial, 0);
        EXPECT_EQ(entries.size(), 0);
        for (const auto& m : s.Matches)
            EXPECT_TRUE(m.isEmpty());
        EXPECT_EQ(memberCount(s.Roster), 9);
    }
}

TEST(GeneratePairing, ARefusedRosterChangesNothingButTheParticipants) {
    Session s;
    s.Roster = numbered(7);
    s.CourtCount = 2;
    s.PageTop = 12;
    Generators generators;
    const RosterCheck check = GeneratePairing(s, generators);
    EXPECT_EQ(check.error, MsgTooFewMembers);
    EXPECT_FALSE(s.PairingOpen);
    EXPECT_FALSE(s.Modified);
    EXPECT_EQ(s.PageTop, 12);
    EXPECT_EQ(s.Participants.size(), 7u);
    for (const auto& m : s.Matches)
        EXPECT_TRUE(m.isEmpty());
}

} // namespace
} // namespace pf
