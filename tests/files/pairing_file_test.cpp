#include "files/pairing_file.h"

#include "model/text_codec.h"
#include "sjis.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace pf {
namespace {

const QByteArray Header = QByteArray(PairingFormatLine) + "\r\n";

using test::sjis;
using test::sjisBytes;

// A file with the given roster lines (padded to 100) followed by match lines.
QByteArray fileWith(const QList<QByteArray>& roster, const QList<QByteArray>& matchLines) {
    QByteArray out = Header;
    for (int i = 0; i < MaxMembers; ++i)
        out += (i < roster.size() ? roster[i] : QByteArray()) + "\r\n";
    for (const QByteArray& line : matchLines)
        out += line + "\r\n";
    return out;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

TEST(PairingFileRead, FailuresGiveTheirMessages) {
    QTemporaryDir dir;
    // The described line, then the file and why.
    const std::string missing = readPairingFile(dir.filePath("missing.pf1")).error;
    EXPECT_EQ(missing.rfind(
                  std::string(MsgReadFailed) + '\n' +
                      QDir::toNativeSeparators(dir.filePath("missing.pf1")).toStdString() + ": ",
                  0),
              0u)
        << missing;
    EXPECT_EQ(readPairingFile(dir.path()).error, // a folder
              std::string(MsgReadFailed) + '\n' +
                  QDir::toNativeSeparators(dir.path()).toStdString() +
                  ": 通常のファイルではありません。");

    writeBytes(dir.filePath("empty.pf1"), {});
    EXPECT_EQ(readPairingFile(dir.filePath("empty.pf1")).error, MsgReadFailed);

    const QByteArray bad[] = {
        "\r\n",
        "PAIRFORGE Ver0.1 DATA FILE\r\n",
        "PAIRFORGE Ver0.2 DATA FILE \r\n",
        "pairforge Ver0.2 DATA FILE\r\n",
        "PAIRFORGE Ver0.2 DATA FIL\r\n",
        QByteArray("PAIRFORGE Ver0.2 DATA FILE\0\r\n", 29),
        "\xEF\xBB\xBFPAIRFORGE Ver0.2 DATA FILE\r\n", // a byte-order mark
        "x,y\r\nPAIRFORGE Ver0.2 DATA FILE\r\n",
    };
    for (const QByteArray& bytes : bad)
        EXPECT_EQ(parsePairingFile(bytes).error, MsgBadContent) << bytes.toStdString();
}

TEST(PairingFileRead, AcceptsTheFormatLineWithAnyLineEnd) {
    for (const QByteArray& bytes :
         {Header, QByteArray(PairingFormatLine) + "\n", QByteArray(PairingFormatLine)}) {
        const PairingFileContent c = parsePairingFile(bytes);
        ASSERT_TRUE(c.ok()) << c.error;
        EXPECT_EQ(c.roster, MemberRoster{});
        EXPECT_EQ(c.matches, MatchTable{});
    }
}

TEST(PairingFileRead, ReadsRosterGapsNamesAndCounts) {
    const PairingFileContent c =
        parsePairingFile(fileWith({sjisBytes("田中"), "", sjisBytes("鈴木　花子"), "Tom "},
                                  {sjisBytes("田中,鈴木　花子,Tom ,ａ，ｂ,6,-3"), "A,B,C,D,21,0"}));
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.roster[0], sjis("田中"));
    EXPECT_EQ(c.roster[1], "");
    EXPECT_EQ(c.roster[2], sjis("鈴木　花子"));
    EXPECT_EQ(c.roster[3], "Tom ");
    EXPECT_EQ(c.matches[0],
              (MatchRecord{sjis("田中"), sjis("鈴木　花子"), "Tom ", sjis("ａ，ｂ"), 6, -3}));
    EXPECT_EQ(c.matches[1], (MatchRecord{"A", "B", "C", "D", 21, 0}));
    EXPECT_TRUE(c.matches[2].isEmpty());
}

struct LengthCase {
    const char* name;
    QByteArray bytes;
    bool accepted;
};

class PairingFileLengths : public ::testing::TestWithParam<LengthCase> {};

TEST_P(PairingFileLengths, LongNamesAndLinesAreRefusedWhole) {
    const PairingFileContent c = parsePairingFile(GetParam().bytes);
    if (GetParam().accepted) {
        EXPECT_TRUE(c.ok()) << c.error;
    } else {
        EXPECT_EQ(c.error, MsgBadContent);
        EXPECT_EQ(c.roster, MemberRoster{}); // nothing half-read is handed on
        EXPECT_EQ(c.matches, MatchTable{});
    }
}

QByteArray fullFileThen(const QByteArray& tail) {
    QList<QByteArray> lines;
    for (int i = 0; i < MaxMatches; ++i)
        lines << "a,b,c,d,1,0";
    return fileWith({"a", "b", "c", "d"}, lines) + tail;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PairingFileLengths,
    ::testing::Values(
        LengthCase{"RosterName255", fileWith({QByteArray(255, 'x')}, {}), true},
        LengthCase{"RosterName256", fileWith({QByteArray(256, 'x')}, {}), false},
        LengthCase{"MatchName256", fileWith({}, {"a,b," + QByteArray(256, 'y') + ",d,1,2"}), false},
        LengthCase{"NameEndsAtItsNul", fileWith({QByteArray(10, 'x') + QByteArray(300, '\0')}, {}),
                   true},
        LengthCase{"CountsLine4096", fileWith({}, {"a,b,c,d,1," + QByteArray(4086, '7')}), true},
        LengthCase{"CountsLine4097", fileWith({}, {"a,b,c,d,1," + QByteArray(4087, '7')}), false},
        LengthCase{"EndlessLineAfterTheFormatLine", Header + QByteArray(1 << 20, 'z'), false},
        LengthCase{"EndlessLineAfterTheLastMatchLine", fullFileThen(QByteArray(1 << 20, 'z')),
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PairingFileRead, AHugeFileIsRefusedFromItsFirstLines) {
    QTemporaryDir dir;
    const QString endless = dir.filePath("endless.pf1");
    const QString trailing = dir.filePath("trailing.pf1");
    writeBytes(endless, Header + "x");
    writeBytes(trailing, fullFileThen("x"));
    for (const QString& path : {endless, trailing}) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(qint64(3) << 30)); // sparse: costs no disk
    }
    EXPECT_EQ(readPairingFile(endless).error, MsgBadContent);
    const PairingFileContent c = readPairingFile(trailing);
    ASSERT_TRUE(c.ok()) << c.error;
    EXPECT_EQ(c.matches[119], (MatchRecord{"a", "b", "c", "d", 1, 0}));
}

TEST(PairingFileRead, ShortOrOddMatchLinesFillWhatTheyHave) {
    const PairingFileContent c = parsePairingFile(fileWith({}, {
                                                                   "A,B,C",
                                                                   "A,B,C,D,5",
                                                                   "",
                                                                   ",,,,0,0",
                                                                   "A,,C,D,1,2",
                                                                   ",,A,,,B,C,,D,,3,,4",
                                                                   "A,B,C,D,1,2,junk,9",
                                                                   "A,B,C,D,7,8,",
                                                               }));
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.matches[0], (MatchRecord{"A", "B", "C", "", 0, 0}));
    EXPECT_EQ(c.matches[1], (MatchRecord{"A", "B", "C", "D", 5, 0}));
    EXPECT_TRUE(c.matches[2].isEmpty());
    // Lines with exactly the five commas the writer puts keep their places,
    // so an empty slot and an empty name survive a save and reopen.
    EXPECT_TRUE(c.matches[3].isEmpty());
    EXPECT_EQ(c.matches[4], (MatchRecord{"A", "", "C", "D", 1, 2}));
    // Other lines: runs of commas are one separator.
    EXPECT_EQ(c.matches[5], (MatchRecord{"A", "B", "C", "D", 3, 4}));
    EXPECT_EQ(c.matches[6], (MatchRecord{"A", "B", "C", "D", 1, 2}));
    EXPECT_EQ(c.matches[7], (MatchRecord{"A", "B", "C", "D", 7, 8}));
}

TEST(PairingFileRead, FileEndingEarlyLeavesTheRestEmpty) {
    QByteArray bytes = fileWith({"A"}, {"A,B,C,D,1,2", "E,F,G,H,3,4"});
    bytes.chop(2); // the last line without its line end keeps its last digit
    const PairingFileContent c = parsePairingFile(bytes);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.matches[1], (MatchRecord{"E", "F", "G", "H", 3, 4}));
    for (int i = 2; i < MaxMatches; ++i)
        ASSERT_TRUE(c.matches[static_cast<std::size_t>(i)].isEmpty()) << i;

    const PairingFileContent shortRoster = parsePairingFile(Header + "A\r\n\r\nB\r\n");
    ASSERT_TRUE(shortRoster.ok());
    EXPECT_EQ(shortRoster.roster[2], "B");
    EXPECT_EQ(shortRoster.roster[3], "");
    EXPECT_EQ(shortRoster.matches, MatchTable{});
}

TEST(PairingFileRead, LinesAfterTheLastMatchLineAreIgnored) {
    QList<QByteArray> lines;
    for (int i = 0; i < MaxMatches; ++i)
        lines << "a,b,c,d," + QByteArray::number(i) + ",0";
    lines << "extra,extra,extra,extra,9,9"
          << "PAIRFORGE Ver0.2 DATA FILE";
    const PairingFileContent c = parsePairingFile(fileWith({}, lines));
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.matches[119].WinA, 119);
}

TEST(PairingFileRead, BytesAreKeptAsTheyAre) {
    const QByteArray odd = "\x81\xFF\xA0\x80 \xFC\xFC";
    const QByteArray crInside = "ab\rcd";
    const PairingFileContent c =
        parsePairingFile(fileWith({odd, crInside, "lf only"}, {odd + ",\x82,b\r,d,1,2"}));
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.roster[0], odd.toStdString());
    EXPECT_EQ(c.roster[1], crInside.toStdString());
    EXPECT_EQ(c.matches[0], (MatchRecord{odd.toStdString(), "\x82", "b\r", "d", 1, 2}));

    // LF line ends are read as well as CR LF.
    QByteArray lf = fileWith({"A", "B"}, {"A,B,C,D,1,2"});
    lf.replace("\r\n", "\n");
    const PairingFileContent l = parsePairingFile(lf);
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l.roster[1], "B");
    EXPECT_EQ(l.matches[0], (MatchRecord{"A", "B", "C", "D", 1, 2}));
}

TEST(PairingFileRead, CountsAreConvertedLikeTheOldReader) {
    EXPECT_EQ(parseCount("12"), 12);
    EXPECT_EQ(parseCount("-3"), -3);
    EXPECT_EQ(parseCount("+7"), 7);
    EXPECT_EQ(parseCount(" \t 4"), 4);
    EXPECT_EQ(parseCount("007"), 7);
    EXPECT_EQ(parseCount("5x9"), 5);
    EXPECT_EQ(parseCount("x5"), 0);
    EXPECT_EQ(parseCount(""), 0);
    EXPECT_EQ(parseCount("-"), 0);
    EXPECT_EQ(parseCount("--1"), 0);
    EXPECT_EQ(parseCount("1 2"), 1);
    EXPECT_EQ(parseCount("2147483647"), 2147483647);
    EXPECT_EQ(parseCount("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseCount("2147483648"), 2147483647);
    EXPECT_EQ(parseCount("-2147483649"), -2147483647 - 1);
    EXPECT_EQ(parseCount(std::string(100, '9')), 2147483647);
    EXPECT_EQ(parseCount("-" + std::string(100, '9')), -2147483647 - 1);
}

MatchTable sampleMatches() {
    MatchTable t{};
    for (int i = 0; i < MaxMatches; ++i) {
        t[static_cast<std::size_t>(i)] = MatchRecord{
            sjis("田中"), "B" + std::to_string(i), "C", sjis("鈴木"), i % 7, (i * 3) % 21};
    }
    return t;
}

TEST(PairingFileWrite, ExactBytes) {
    MemberRoster roster{};
    roster[0] = sjis("田中");
    roster[2] = "B";
    MatchTable t{};
    t[0] = MatchRecord{sjis("田中"), "B", "C", "D", 6, 4};
    t[1] = MatchRecord{"A", "B", "C", "D", -1, 0};
    const QByteArray bytes = pairingFileBytes(roster, t);

    EXPECT_TRUE(bytes.startsWith("PAIRFORGE Ver0.2 DATA FILE\r\n\x93\x63\x92\x86\r\n\r\nB\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 221);
    EXPECT_EQ(bytes.count('\n'), 221);
    EXPECT_TRUE(bytes.endsWith(",,,,0,0\r\n"));
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 222);
    EXPECT_EQ(lines[101], "\x93\x63\x92\x86,B,C,D,6,4\r");
    EXPECT_EQ(lines[102], "A,B,C,D,-1,0\r");
    EXPECT_EQ(lines[220], ",,,,0,0\r");
    EXPECT_EQ(lines[221], "");
}

TEST(PairingFileWrite, RoundTripKeepsEverything) {
    MemberRoster roster{};
    roster[0] = sjis("田中");
    roster[1] = sjis("鈴木");
    roster[5] = "after a gap";
    roster[99] = "last";
    MatchTable t = sampleMatches();
    t[7] = MatchRecord{};
    t[8] = MatchRecord{"A", "", "", "D", 0, 3};
    QTemporaryDir dir;
    const QString path = dir.filePath("day.pf1");
    ASSERT_TRUE(writePairingFile(path, roster, t));
    const PairingFileContent c = readPairingFile(path);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c.roster, roster);
    EXPECT_EQ(c.matches, t);
    EXPECT_EQ(readBytes(path), pairingFileBytes(roster, t));
}

} // namespace
} // namespace pf
