// Finds whole days to keep as data (pairing/stored_designs.cpp) for rosters
// where the balanced search seldom reaches every pair bound in the budget the
// program gives it: runs the same search with the budget asked for, seed after
// seed, until a day keeps the hard rules and brings both pair spreads to their
// bounds. Each day found is printed in the stored form, or with --write put
// into the stored days' file in place of the roster's old day, its seed and
// budget in its comment so that anyone can find it again.
//
// With --block L the search makes L rounds and the day plays them over and
// over; a block whose every pair meets exactly alike (six members on one
// court, 15 rounds) makes a day even wherever it stops, which a search over
// the whole day seldom finds. --even-when-stopped keeps only such days.
//
// With --meetings the meeting search (tools/meeting_search.h) runs in place of
// the balanced one, and --seed tries that one seed in place of the tries.
//
// Run: pairforge-design-search [--tries 8] [--first-try 1] [--seed S] [--moves 40000000]
//          [--block L] [--even-when-stopped] [--meetings] [--write pairing/stored_designs.cpp]
//          courts:members ...

#include "pairing/stored_designs.h"
#include "tools/stored_design_text.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <chrono>
#include <cstdio>

namespace {

bool readRoster(const QString& text, int& courts, int& members) {
    const QStringList parts = text.split(QLatin1Char(':'));
    bool okCourts = false;
    bool okMembers = false;
    if (parts.size() != 2)
        return false;
    courts = parts[0].toInt(&okCourts);
    members = parts[1].toInt(&okMembers);
    return okCourts && okMembers && courts >= 1 && courts <= pf::MaxCourts &&
           members >= 4 * courts && members <= pf::MostStoredMembers;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Searches even whole days for the stored days' file."));
    parser.addHelpOption();
    const QCommandLineOption triesOption(QStringLiteral("tries"),
                                         QStringLiteral("Seeds to try for each roster."),
                                         QStringLiteral("n"), QStringLiteral("8"));
    const QCommandLineOption movesOption(QStringLiteral("moves"),
                                         QStringLiteral("The search's budget for each seed."),
                                         QStringLiteral("n"), QStringLiteral("40000000"));
    const QCommandLineOption writeOption(QStringLiteral("write"),
                                         QStringLiteral("Put the days found into this file."),
                                         QStringLiteral("file"));
    const QCommandLineOption blockOption(
        QStringLiteral("block"),
        QStringLiteral("Search a block of this many rounds and play it over and over."),
        QStringLiteral("rounds"), QStringLiteral("0"));
    const QCommandLineOption stoppedOption(
        QStringLiteral("even-when-stopped"),
        QStringLiteral("Keep only days whose pairs stay within one meeting of an even share "
                       "wherever the day stops."));
    const QCommandLineOption firstOption(
        QStringLiteral("first-try"),
        QStringLiteral("The try to start from, so that a longer run goes on where one ended."),
        QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption meetingsOption(
        QStringLiteral("meetings"),
        QStringLiteral("Search with the meeting search, which holds only the hard rules and "
                       "anneals nothing but how often pairs meet."));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Try this one seed for each roster."),
                                        QStringLiteral("s"));
    parser.addOptions({triesOption, firstOption, seedOption, movesOption, writeOption, blockOption,
                       stoppedOption, meetingsOption});
    parser.addPositionalArgument(QStringLiteral("courts:members"),
                                 QStringLiteral("The rosters to search, e.g. 1:19 3:25."));
    parser.process(app);
    const bool oneSeed = parser.isSet(seedOption);
    bool seedOk = true;
    const std::uint32_t seed = parser.value(seedOption).toUInt(&seedOk);
    const int tries = oneSeed ? 1 : parser.value(triesOption).toInt();
    const int firstTry = parser.value(firstOption).toInt();
    const long long moves = parser.value(movesOption).toLongLong();
    if (tries < 1 || firstTry < 1 || moves < 1 || (oneSeed && !seedOk) ||
        parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }

    std::string fileText;
    const QString path = parser.value(writeOption);
    if (!path.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
            return 2;
        }
        fileText = file.readAll().toStdString();
    }

    int missed = 0;
    for (const QString& roster : parser.positionalArguments()) {
        pf::tools::FoundDay day;
        if (!readRoster(roster, day.courts, day.members)) {
            std::fprintf(stderr, "%s: not a roster this tool can store\n", qPrintable(roster));
            return 2;
        }
        day.moves = moves;
        day.blockRounds = parser.value(blockOption).toInt();
        day.evenWhenStopped = parser.isSet(stoppedOption);
        day.meetingSearch = parser.isSet(meetingsOption);
        bool found = false;
        for (int t = firstTry; t < firstTry + tries && !found; ++t) {
            day.seed = oneSeed ? seed : static_cast<std::uint32_t>(7919 * t + 13);
            const auto t0 = std::chrono::steady_clock::now();
            found = pf::tools::searchDay(day);
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            std::fprintf(stderr, "%d on %d, seed %u: %s (%.1f s)\n", day.members, day.courts,
                         day.seed, found ? "found" : "missed", seconds);
        }
        if (!found) {
            ++missed;
            continue;
        }
        if (path.isEmpty()) {
            std::fputs(pf::tools::storedDesignEntry(day).c_str(), stdout);
        } else if (auto changed = pf::tools::withStoredDesign(fileText, day)) {
            fileText = std::move(*changed);
        } else {
            std::fprintf(stderr, "%s: no BEGIN DESIGNS / END DESIGNS lines\n", qPrintable(path));
            return 2;
        }
    }
    if (!path.isEmpty()) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(fileText.data(), static_cast<qint64>(fileText.size())) !=
                static_cast<qint64>(fileText.size()) ||
            !file.commit()) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
            return 2;
        }
    }
    return missed == 0 ? 0 : 1;
}
