// The members' facts file: what each line gives, the lines refused and kept,
// the bytes written back, and a fixed pair that stays mutual.

#include "members/member_facts.h"

#include "sjis.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pf {
namespace {

using test::sjis;
using test::sjisBytes;

const QByteArray Header = QByteArray(FactsFileHeader) + "\r\n";

struct LineCase {
    const char* name;
    const char* line;    // UTF-8, one member line after the header
    const char* problem; // part of the line's problem; nullptr when read
};

class FactsLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(FactsLine, IsReadOrKeptAsItIs) {
    const LineCase& c = GetParam();
    const QByteArray line = sjisBytes(c.line);
    const FactsFileContent got = parseFactsFile(Header + line + "\r\n");
    ASSERT_TRUE(got.ok()) << got.error;
    ASSERT_EQ(got.rows.size(), 1u);
    if (c.problem == nullptr) {
        EXPECT_TRUE(got.lineProblems.empty()) << got.lineProblems.front();
        EXPECT_FALSE(got.rows[0].unread());
        return;
    }
    ASSERT_EQ(got.lineProblems.size(), 1u);
    EXPECT_TRUE(QString::fromStdString(got.lineProblems[0])
                    .startsWith(QStringLiteral("メンバー情報ファイルの2行目: ")));
    EXPECT_TRUE(QString::fromStdString(got.lineProblems[0]).contains(QString::fromUtf8(c.problem)))
        << got.lineProblems[0];
    EXPECT_EQ(got.rows[0].unreadLine, line);
    EXPECT_EQ(factsFileBytes(got.rows), Header + line + "\r\n"); // nothing lost on saving
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FactsLine,
    ::testing::Values(LineCase{"NameOnly", "山田", nullptr},
                      LineCase{"AllFields", "山田,男,5,花子,太郎,次郎", nullptr},
                      LineCase{"EmptyApartFieldsSkipped", "山田,,,,,太郎,", nullptr},
                      LineCase{"BadGender", "山田,M,3,,", "性別"},
                      LineCase{"LevelZero", "山田,,0,,", "レベル"},
                      LineCase{"LevelSix", "山田,,6,,", "レベル"},
                      LineCase{"LevelTwoDigits", "山田,,33,,", "レベル"},
                      LineCase{"EmptyName", ",男,3,,", ""}, // any reason: the name rules'
                      LineCase{"SelfPartner", "山田,,,山田", "固定ペア"},
                      LineCase{"SelfApart", "山田,,,,山田", "別々にする"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FactsFile, ReadsMembersAndKeepsEveryLineOnSaving) {
    const QByteArray bytes = Header + sjisBytes("山田,男,5,花子,太郎\r\n"
                                                "花子,女,,山田\r\n"
                                                "\r\n"
                                                "山田,女\r\n" // a second line for 山田
                                                "退会者,,2,,\r\n");
    const FactsFileContent got = parseFactsFile(bytes);
    ASSERT_TRUE(got.ok());
    ASSERT_EQ(got.rows.size(), 4u);
    const MemberFacts& yamada = got.rows[0];
    EXPECT_EQ(yamada.gender, Gender::Male);
    EXPECT_EQ(yamada.level, 5);
    EXPECT_EQ(yamada.fixedPartner, sjis("花子"));
    EXPECT_EQ(yamada.keptApart, std::vector<Name>{sjis("太郎")});
    EXPECT_EQ(got.rows[1].level, UnsetLevel);
    EXPECT_TRUE(got.rows[2].unread());
    ASSERT_EQ(got.lineProblems.size(), 1u);
    EXPECT_TRUE(QString::fromStdString(got.lineProblems[0]).contains(QStringLiteral("5行目")));
    // Written back: every field in its place, the unread line as it was, the
    // blank line dropped.
    EXPECT_EQ(factsFileBytes(got.rows), Header + sjisBytes("山田,男,5,花子,太郎\r\n"
                                                           "花子,女,,山田\r\n"
                                                           "山田,女\r\n"
                                                           "退会者,,2,\r\n"));
}

TEST(FactsFile, RefusesAFileThatIsNotOne) {
    for (const QByteArray& bytes :
         {QByteArray(), QByteArray("山田,男\r\n"), QByteArray("PAIRFORGE MEMBERS 2\r\n")}) {
        const FactsFileContent got = parseFactsFile(bytes);
        EXPECT_FALSE(got.ok()) << bytes.constData();
        EXPECT_TRUE(got.rows.empty());
    }
}

TEST(FactsFile, MissingIsEmptyAndTooLargeIsRefusedAndAWriteRoundTrips) {
    QTemporaryDir dir;
    const QString path = factsFilePathBeside(dir.filePath(QStringLiteral("pairforge.txt")));
    EXPECT_EQ(path, dir.filePath(QStringLiteral("pairforge-members.txt")));
    const FactsFileContent missing = readFactsFile(path);
    EXPECT_TRUE(missing.ok());
    EXPECT_TRUE(missing.rows.empty());

    std::vector<MemberFacts> rows;
    factsOf(rows, sjis("山田")).level = 4;
    setFixedPartner(rows, sjis("山田"), sjis("花子"));
    ASSERT_TRUE(writeFactsFile(path, rows).ok());
    const FactsFileContent back = readFactsFile(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.rows, rows);

    QFile big(path);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(Header);
    big.write(QByteArray(MaxFactsFileBytes, 'a'));
    big.close();
    const FactsFileContent refused = readFactsFile(path);
    EXPECT_FALSE(refused.ok());
    EXPECT_TRUE(refused.rows.empty());
}

TEST(FactsFile, AFixedPairIsMutualAndReplacesFormerPartners) {
    std::vector<MemberFacts> rows;
    const Name a = sjis("A"), b = sjis("B"), c = sjis("C"), d = sjis("D");
    setFixedPartner(rows, a, b);
    setFixedPartner(rows, c, d);
    setFixedPartner(rows, a, c); // B and D lose theirs
    const auto partner = [&rows](const Name& n) { return findFacts(rows, n)->fixedPartner; };
    EXPECT_EQ(partner(a), c);
    EXPECT_EQ(partner(c), a);
    EXPECT_EQ(partner(b), Name());
    EXPECT_EQ(partner(d), Name());
    setFixedPartner(rows, c, Name()); // cleared on both sides
    EXPECT_EQ(partner(a), Name());
    EXPECT_EQ(partner(c), Name());
}

TEST(FactsFile, TodaysFactsKeepOnlyWhoIsHereAndAgreeOnPartners) {
    const FactsFileContent file = parseFactsFile(Header + sjisBytes("A,男,4,B,欠席者,C\r\n"
                                                                    "C,,,欠席者\r\n"
                                                                    "D,,,E\r\n"
                                                                    "F,,,E\r\n"));
    const std::vector<Name> today = {sjis("A"), sjis("B"), sjis("C"),
                                     sjis("D"), sjis("E"), sjis("F")};
    const DayFacts facts = dayFactsOf(today, file.rows);
    EXPECT_EQ(facts.gender[0], Gender::Male);
    EXPECT_EQ(facts.level[0], 4);
    EXPECT_EQ(facts.fixedPartner[1], 0);  // named by A only, yet both ways
    EXPECT_EQ(facts.fixedPartner[2], -1); // the partner is not here
    EXPECT_TRUE(facts.apart(2, 0));
    EXPECT_EQ(facts.keptApart[0], std::vector<int>{2});
    // D and F both name E.
    EXPECT_EQ(facts.conflict, "固定ペアの指定が食い違っています（F、E、D）。");
}

} // namespace
} // namespace pf
