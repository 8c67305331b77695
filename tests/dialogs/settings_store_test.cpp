// The three settings in a temporary store: what a clean account gets, what a
// hand-edited or foreign value turns into, the exact text written back, and a
// store that cannot be written.

#include "dialogs/settings_store.h"
#include "pairing/day_rules.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using pf::Settings;

// The settings file's text with LF line ends and its keys in order: Qt writes
// CR LF and the keys in the order they were set on Windows, LF and sorted
// elsewhere, and neither changes what is stored.
QByteArray bytesOf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    QList<QByteArray> lines = f.readAll().replace("\r\n", "\n").split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.size() > 1)
        std::sort(lines.begin() + 1, lines.end());
    return lines.join('\n') + '\n';
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

Settings loadFrom(const QString& path) {
    QSettings store(path, QSettings::IniFormat);
    return pf::loadSettings(store);
}

class SettingsStore : public testing::Test {
protected:
    QTemporaryDir dir;
    QString ini() const { return dir.filePath(QStringLiteral("PAIRFORGE.conf")); }
};

TEST_F(SettingsStore, CleanAccountGetsDefaultsAndWritesThemAsDecimalText) {
    {
        QSettings store(ini(), QSettings::IniFormat);
        const Settings s = pf::loadSettings(store);
        EXPECT_EQ(s.GenerationMethod, 1);
        EXPECT_EQ(s.RankingMethod, 0);
        EXPECT_EQ(s.CsvMode, 0);
        ASSERT_TRUE(pf::saveSettings(store, s));
    }
    EXPECT_EQ(bytesOf(ini()), QByteArray("[CONFIG]\nCsvMode=0\nJyuni=0\nSeisei=1\n"));
}

#ifndef Q_OS_WIN
TEST_F(SettingsStore, UserStoreOfTheProgramLivesUnderOrganisationAndApplication) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    {
        QSettings store(QStringLiteral("Sorvanta"), QStringLiteral("PAIRFORGE"));
        ASSERT_TRUE(pf::saveSettings(store, Settings{0, 1, 1}));
    }
    EXPECT_EQ(bytesOf(dir.filePath(QStringLiteral("Sorvanta/PAIRFORGE.conf"))),
              QByteArray("[CONFIG]\nCsvMode=1\nJyuni=1\nSeisei=0\n"));
}
#endif

TEST_F(SettingsStore, TextThatIsNotAnIntegerGivesTheDefaultOtherValuesAreKept) {
    writeFile(ini(), "[CONFIG]\nSeisei=abc\nJyuni=letters\nCsvMode=1x\n");
    EXPECT_EQ(loadFrom(ini()), (Settings{1, 0, 0}));

    writeFile(ini(), "[CONFIG]\nSeisei=0\nJyuni=7\nCsvMode=-3\n");
    EXPECT_EQ(loadFrom(ini()), (Settings{0, 7, -3}));

    // Blank, a list, hexadecimal, past 32 bits: none is a setting.
    writeFile(ini(), "[CONFIG]\nSeisei=\nJyuni=\"1, 2\"\nCsvMode=0x10\n");
    EXPECT_EQ(loadFrom(ini()), (Settings{1, 0, 0}));
    writeFile(ini(), "[CONFIG]\nSeisei=4294967296\nJyuni=1,2\nCsvMode=+1\n");
    EXPECT_EQ(loadFrom(ini()), (Settings{1, 0, 1}));

    // Another section does not count.
    writeFile(ini(), "[OTHER]\nSeisei=0\nJyuni=1\nCsvMode=1\n");
    EXPECT_EQ(loadFrom(ini()), (Settings{1, 0, 0}));
}

TEST_F(SettingsStore, ValueSevenIsWrittenBackUnchanged) {
    writeFile(ini(), "[CONFIG]\nSeisei=1\nJyuni=7\nCsvMode=0\n");
    {
        QSettings store(ini(), QSettings::IniFormat);
        const Settings s = pf::loadSettings(store);
        EXPECT_EQ(s.RankingMethod, 7);
        ASSERT_TRUE(pf::saveSettings(store, s));
    }
    EXPECT_EQ(bytesOf(ini()), QByteArray("[CONFIG]\nCsvMode=0\nJyuni=7\nSeisei=1\n"));
}

// The generation setting: 0, 1 and 2 name the three methods; other integers
// are kept (and act as the sequential method); text that is no integer is
// the default 1.
struct SeiseiCase {
    const char* name;
    const char* stored;
    int read;
    const char* written;
};

class SeiseiReading : public testing::TestWithParam<SeiseiCase> {
protected:
    QTemporaryDir dir;
};

TEST_P(SeiseiReading, ReadAndWrittenBack) {
    const SeiseiCase& c = GetParam();
    const QString ini = dir.filePath(QStringLiteral("PAIRFORGE.conf"));
    writeFile(ini, QByteArray("[CONFIG]\nCsvMode=0\nJyuni=0\nSeisei=") + c.stored + "\n");
    {
        QSettings store(ini, QSettings::IniFormat);
        const Settings s = pf::loadSettings(store);
        EXPECT_EQ(s.GenerationMethod, c.read);
        ASSERT_TRUE(pf::saveSettings(store, s));
    }
    EXPECT_EQ(bytesOf(ini), QByteArray("[CONFIG]\nCsvMode=0\nJyuni=0\nSeisei=") + c.written + "\n");
}

INSTANTIATE_TEST_SUITE_P(Values, SeiseiReading,
                         testing::Values(SeiseiCase{"Balanced", "2", 2, "2"},
                                         SeiseiCase{"Seven", "7", 7, "7"},
                                         SeiseiCase{"Letters", "zwei", 1, "1"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStore, RoundTripThroughAFreshStore) {
    for (const Settings& s : {Settings{0, 1, 1}, Settings{1, 0, 0}, Settings{5, -2, 2147483647}}) {
        {
            QSettings store(ini(), QSettings::IniFormat);
            ASSERT_TRUE(pf::saveSettings(store, s));
        }
        EXPECT_EQ(loadFrom(ini()), s);
    }
}

TEST_F(SettingsStore, AStoreThatCannotBeWrittenIsReportedNotPassedOffAsSaved) {
    // The store's folder is a plain file, so nothing can be created below it.
    writeFile(dir.filePath(QStringLiteral("blocker")), "x");
    QSettings store(dir.filePath(QStringLiteral("blocker/PAIRFORGE.conf")), QSettings::IniFormat);
    EXPECT_FALSE(pf::saveSettings(store, Settings{}));
    EXPECT_STREQ(pf::MsgSettingsWriteFailed, "環境設定を保存出来ませんでした。");
}

// A value of another type than text cannot be read as a setting: the first
// one, by name, is why the program does not start.
TEST_F(SettingsStore, AValueStoredAsAnotherTypeThanTextIsNamed) {
    writeFile(ini(), "[CONFIG]\nSeisei=0\nJyuni=\"1, 2\"\nCsvMode=x\n");
    {
        QSettings store(ini(), QSettings::IniFormat);
        EXPECT_TRUE(pf::checkSettingTypes(store)) << "a list or letters are text";
    }
    writeFile(ini(), "[CONFIG]\nSeisei=0\nJyuni=@Size(1 2)\nCsvMode=@Rect(0 0 1 1)\n");
    QSettings store(ini(), QSettings::IniFormat);
    EXPECT_EQ(pf::checkSettingTypes(store).error, "'Jyuni' のデータ型が不正です");
}

#ifdef Q_OS_WIN
// The registry itself, as reg.exe shows it: the values are decimal text of
// type REG_SZ, and a number put there as REG_DWORD stops the start.
class Registry : public testing::Test {
protected:
    const QString app = QStringLiteral("PAIRFORGE-test-%1").arg(QCoreApplication::applicationPid());
    QString key() const { return QStringLiteral("HKCU\\Software\\Sorvanta\\") + app; }
    void TearDown() override { reg({QStringLiteral("delete"), key(), QStringLiteral("/f")}); }

    // Each value's "TYPE data" as reg query lists it.
    static QMap<QString, QString> reg(const QStringList& args) {
        QProcess p;
        p.start(QStringLiteral("reg"), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        QMap<QString, QString> values;
        static const QRegularExpression row(QStringLiteral("^\\s+(\\w+)\\s+(REG_\\w+)\\s*(.*)$"));
        for (const QString& line : QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n')) {
            if (const auto m = row.match(line.trimmed().prepend(' ')); m.hasMatch())
                values[m.captured(1)] = m.captured(2) + ' ' + m.captured(3).trimmed();
        }
        return values;
    }
};

TEST_F(Registry, ValuesAreDecimalTextOfTypeRegSz) {
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Sorvanta"),
                        app);
        ASSERT_TRUE(pf::saveSettings(store, Settings{0, 7, -1}));
    }
    const auto values = reg({QStringLiteral("query"), key() + QStringLiteral("\\CONFIG")});
    EXPECT_EQ(values.value(QStringLiteral("Seisei")), QStringLiteral("REG_SZ 0"));
    EXPECT_EQ(values.value(QStringLiteral("Jyuni")), QStringLiteral("REG_SZ 7"));
    EXPECT_EQ(values.value(QStringLiteral("CsvMode")), QStringLiteral("REG_SZ -1"));
    EXPECT_EQ(values.size(), 3);
}

TEST_F(Registry, ADwordValueIsRefusedByName) {
    const QString config = key() + QStringLiteral("\\CONFIG");
    reg({QStringLiteral("add"), config, QStringLiteral("/v"), QStringLiteral("Seisei"),
         QStringLiteral("/t"), QStringLiteral("REG_SZ"), QStringLiteral("/d"), QStringLiteral("0"),
         QStringLiteral("/f")});
    reg({QStringLiteral("add"), config, QStringLiteral("/v"), QStringLiteral("CsvMode"),
         QStringLiteral("/t"), QStringLiteral("REG_DWORD"), QStringLiteral("/d"),
         QStringLiteral("1"), QStringLiteral("/f")});
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Sorvanta"), app);
    EXPECT_EQ(pf::checkSettingTypes(store).error, "'CsvMode' のデータ型が不正です");
    EXPECT_EQ(pf::loadSettings(store).GenerationMethod, 0);
}
#endif

TEST(SettingsOfSession, CopiesTheThreeFieldsBothWays) {
    pf::Session session;
    EXPECT_EQ(pf::settingsOf(session), (Settings{1, 0, 0}));
    pf::applySettings(session, Settings{0, 7, 1});
    EXPECT_EQ(session.GenerationMethod, 0);
    EXPECT_EQ(session.RankingMethod, 7);
    EXPECT_EQ(session.CsvMode, 1);
    EXPECT_FALSE(session.Modified);
}

struct ScaleCase {
    const char* name;
    const char* line; // nullptr: no "Scale" at all
    int expected;
};

class ScaleReading : public testing::TestWithParam<ScaleCase> {
protected:
    QTemporaryDir dir;
};

TEST_P(ScaleReading, OnlyAnOfferedSizeIsTaken) {
    const ScaleCase c = GetParam();
    const QString ini = dir.filePath(QStringLiteral("PAIRFORGE.conf"));
    writeFile(ini, QByteArray("[CONFIG]\nSeisei=0\n") + (c.line ? c.line : ""));
    QSettings store(ini, QSettings::IniFormat);
    EXPECT_EQ(pf::loadScale(store), c.expected);
    EXPECT_EQ(pf::loadSettings(store).Scale, c.expected);
    EXPECT_EQ(pf::loadSettings(store).GenerationMethod, 0);
}

INSTANTIATE_TEST_SUITE_P(Values, ScaleReading,
                         testing::Values(ScaleCase{"Missing", nullptr, 100},
                                         ScaleCase{"Offered125", "Scale=125\n", 125},
                                         ScaleCase{"Offered150", "Scale=150\n", 150},
                                         ScaleCase{"Offered200", "Scale=200\n", 200},
                                         ScaleCase{"Letters", "Scale=abc\n", 100},
                                         ScaleCase{"TooSmall", "Scale=90\n", 100},
                                         ScaleCase{"TooLarge", "Scale=300\n", 100},
                                         ScaleCase{"Between", "Scale=130\n", 100},
                                         ScaleCase{"Blank", "Scale=\n", 100}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStore, AChosenSizeIsWrittenAfterTheThreeAndGoingBackTo100IsKept) {
    {
        QSettings store(ini(), QSettings::IniFormat);
        ASSERT_TRUE(pf::saveSettings(store, Settings{1, 0, 0, 150}));
    }
    EXPECT_EQ(bytesOf(ini()), QByteArray("[CONFIG]\nCsvMode=0\nJyuni=0\nScale=150\nSeisei=1\n"));
    {
        QSettings store(ini(), QSettings::IniFormat);
        ASSERT_TRUE(pf::saveSettings(store, Settings{1, 0, 0, 100}));
    }
    EXPECT_EQ(bytesOf(ini()), QByteArray("[CONFIG]\nCsvMode=0\nJyuni=0\nScale=100\nSeisei=1\n"));
}

struct ChoiceCase {
    const char* name;
    const char* lines;
    int minMatches;
    int roundMinutes;
    int clockRestart;
    int dayRuleBits = 0;
};

class LaterChoices : public testing::TestWithParam<ChoiceCase> {
protected:
    QTemporaryDir dir;
};

TEST_P(LaterChoices, AreReadWithinTheirRangesOrAsTheDefaults) {
    const ChoiceCase c = GetParam();
    const QString ini = dir.filePath(QStringLiteral("PAIRFORGE.conf"));
    writeFile(ini, QByteArray("[CONFIG]\n") + c.lines);
    QSettings store(ini, QSettings::IniFormat);
    const Settings s = pf::loadSettings(store);
    EXPECT_EQ(s.MinMatches, c.minMatches);
    EXPECT_EQ(s.RoundMinutes, c.roundMinutes);
    EXPECT_EQ(s.ClockRestart, c.clockRestart);
    EXPECT_EQ(s.DayRuleBits, c.dayRuleBits);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LaterChoices,
    testing::Values(
        ChoiceCase{"Missing", "", 0, 15, 0},
        ChoiceCase{"Chosen", "MinMatches=3\nRoundMinutes=20\nClockRestart=1\n", 3, 20, 1},
        ChoiceCase{"Limits", "MinMatches=120\nRoundMinutes=1\n", 120, 1, 0},
        ChoiceCase{"Beyond", "MinMatches=121\nRoundMinutes=100\nClockRestart=2\n", 0, 15, 0},
        ChoiceCase{"Negative", "MinMatches=-1\nRoundMinutes=0\n", 0, 15, 0},
        ChoiceCase{"Letters", "MinMatches=x\nRoundMinutes=y\nClockRestart=z\n", 0, 15, 0},
        // Mixed and kept apart; 2 is no rule value at all.
        ChoiceCase{"DayRules",
                   "RuleMixed=1\nRuleLevelBalance=0\nRuleLevelNear=2\nRuleKeptApart=1\n", 0, 15, 0,
                   1 | 16},
        ChoiceCase{"EveryDayRule",
                   "RuleMixed=1\nRuleLevelBalance=1\nRuleLevelNear=1\nRuleFixedPairs=1\n"
                   "RuleKeptApart=1\n",
                   0, 15, 0, 31}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStore, LaterChoicesAreWrittenOnlyOnceChosen) {
    Settings s{1, 0, 0};
    {
        QSettings store(ini(), QSettings::IniFormat);
        ASSERT_TRUE(pf::saveSettings(store, s));
    }
    EXPECT_EQ(bytesOf(ini()), QByteArray("[CONFIG]\nCsvMode=0\nJyuni=0\nSeisei=1\n"));
    s.MinMatches = 3;
    s.RoundMinutes = 20;
    {
        QSettings store(ini(), QSettings::IniFormat);
        ASSERT_TRUE(pf::saveSettings(store, s));
    }
    s.MinMatches = 0; // chosen back: kept as chosen
    s.DayRuleBits = pf::RuleFixedPairsBit;
    {
        QSettings store(ini(), QSettings::IniFormat);
        ASSERT_TRUE(pf::saveSettings(store, s));
    }
    EXPECT_EQ(bytesOf(ini()), QByteArray("[CONFIG]\nCsvMode=0\nJyuni=0\nMinMatches=0\n"
                                         "RoundMinutes=20\nRuleFixedPairs=1\nSeisei=1\n"));
}

} // namespace
