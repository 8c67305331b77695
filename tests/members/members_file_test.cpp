// The command-line tool's members file: encodings, blank lines and NULs.

#include "members/members_file.h"

#include "sjis.h"

#include <gtest/gtest.h>

namespace pf {
namespace {

struct MembersCase {
    const char* name;
    QByteArray bytes;
    MembersEncoding encoding;
    std::vector<std::string> names; // UTF-8; empty with `error`
    const char* error;              // part of the message; "" when read
};

class MembersFile : public ::testing::TestWithParam<MembersCase> {};

TEST_P(MembersFile, ReadsOrRefuses) {
    const MembersCase& c = GetParam();
    const MembersFileContent got = parseMembersFile(c.bytes, c.encoding);
    EXPECT_TRUE(QString::fromStdString(got.error).contains(QString::fromUtf8(c.error)))
        << got.error;
    if (*c.error != '\0') {
        EXPECT_TRUE(got.names.empty());
        return;
    }
    std::vector<Name> want;
    for (const std::string& n : c.names)
        want.push_back(test::sjis(n.c_str()));
    EXPECT_EQ(got.names, want);
    EXPECT_EQ(got.roster[want.size() - 1], want.back()); // no gap before the last name
}

const QByteArray Yamada = QByteArray("山田");                 // UTF-8
const QByteArray YamadaSjis = QByteArray("\x8E\x52\x93\x63"); // 山田 in Shift-JIS

INSTANTIATE_TEST_SUITE_P(
    Cases, MembersFile,
    ::testing::Values(
        MembersCase{
            "ShiftJis", YamadaSjis + "\r\nb\r\n", MembersEncoding::Detect, {"山田", "b"}, ""},
        MembersCase{"Utf8", Yamada + "\nb\n", MembersEncoding::Detect, {"山田", "b"}, ""},
        MembersCase{"Utf8Bom",
                    "\xEF\xBB\xBF"
                    "a\r\n" +
                        Yamada,
                    MembersEncoding::Detect,
                    {"a", "山田"},
                    ""},
        MembersCase{"ForcedUtf8Ascii", "a\nb\n", MembersEncoding::Utf8, {"a", "b"}, ""},
        MembersCase{"ForcedSjis", "ab\n", MembersEncoding::ShiftJis, {"ab"}, ""},
        MembersCase{"BlankLinesSkipped",
                    "a\r\n\r\n  \r\n\xE3\x80\x80\nb\n\nc",
                    MembersEncoding::Detect,
                    {"a", "b", "c"},
                    ""},
        MembersCase{"NulRefusedWithLine",
                    QByteArray("a\r\nb\rc\n\0d\n", 11),
                    MembersEncoding::Detect,
                    {},
                    "4行目にNUL"},
        MembersCase{
            "Utf8NotInShiftJis", "a\n\xF0\x9F\x8E\xBE\n", MembersEncoding::Detect, {}, "2行目"},
        MembersCase{"ForcedUtf8Invalid", YamadaSjis + "\n", MembersEncoding::Utf8, {}, "UTF-8"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace pf
