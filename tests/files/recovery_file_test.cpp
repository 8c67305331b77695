#include "files/recovery_file.h"

#include "files/pairing_file.h"

#include <gtest/gtest.h>


namespace pf {
namespace {

Session sampleSession() {
    Session s;
    s.CourtCount = 3;
    s.FileName = "/home/club/土曜日 (1).pf1";
    s.Roster[0] = "\x93\x63\x92\x86"; // 田中 in Shift-JIS
    s.Roster[2] = "b";
    s.Matches[0] = MatchRecord{"a", "b", "c", "d", 6, 4};
    s.Matches[119] = MatchRecord{"d", "", "b", "a", -1, 21};
    return s;
}

TEST(RecoveryFile, ExactBytesAndRoundTrip) {
    const Session s = sampleSession();
    const QByteArray bytes = recoveryFileBytes(s);
    const QByteArray data = pairingFileBytes(s.Roster, s.Matches);
    EXPECT_EQ(bytes, "PAIRFORGE RECOVERY 1\r\ncourts=3\r\n"
                     "file=/home/club/%E5%9C%9F%E6%9B%9C%E6%97%A5 (1).pf1\r\nbytes=" +
                         QByteArray::number(data.size()) + "\r\n" + data);
    const RecoveryContent c = parseRecoveryFile(bytes);
    ASSERT_TRUE(c.ok()) << c.error;
    EXPECT_EQ(c.courts, 3);
    EXPECT_EQ(c.fileName, s.FileName);
    EXPECT_EQ(c.roster, s.Roster);
    EXPECT_EQ(c.matches, s.Matches);
}

struct DamageCase {
    const char* name;
    QByteArray (*damage)(QByteArray);
};

class RecoveryDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(RecoveryDamage, IsRefused) {
    const QByteArray bytes = GetParam().damage(recoveryFileBytes(sampleSession()));
    EXPECT_EQ(parseRecoveryFile(bytes).error, MsgBadContent);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RecoveryDamage,
    ::testing::Values(
        DamageCase{"Empty", [](QByteArray) { return QByteArray(); }},
        DamageCase{"CutShort", [](QByteArray b) { return b.left(b.size() - 1); }},
        DamageCase{"TrailingBytes", [](QByteArray b) { return b + "x"; }},
        DamageCase{"OtherVersion",
                   [](QByteArray b) { return b.replace("RECOVERY 1", "RECOVERY 2"); }},
        DamageCase{"NoCourts", [](QByteArray b) { return b.replace("courts=3", "courts=0"); }},
        DamageCase{"FourCourts", [](QByteArray b) { return b.replace("courts=3", "courts=4"); }},
        DamageCase{"NameWithLineBreak",
                   [](QByteArray b) { return b.replace("file=/home", "file=%0A/home"); }},
        DamageCase{"DataNotAsWritten",
                   [](QByteArray b) { return b.replace("6,4\r\n", "6,04\r\n"); }},
        DamageCase{"LengthWithSign", [](QByteArray b) { return b.replace("bytes=", "bytes=+"); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
