// pairforge-cli report: the schedule quality figures of a pairing data file,
// one figure a line, for scripts that compare generation methods.

#include "cli/cli_support.h"
#include "cli/commands.h"

#include "files/pairing_file.h"
#include "pairing/court_guess.h"
#include "pairing/schedule_quality.h"

#include <QCommandLineParser>

namespace pf::cli {
namespace {

constexpr char Usage[] = "usage: pairforge-cli report FILE [--courts 1|2|3] [-o OUT]";

QString line(const char* figure, int value, const QString& third) {
    return QString::fromLatin1(figure) + QLatin1Char('\t') + QString::number(value) +
           QLatin1Char('\t') + third + QLatin1Char('\n');
}

QString line(const char* figure, const QualityFigure& f) {
    return line(figure, f.value, f.bound ? QString::number(*f.bound) : QString());
}

QByteArray reportText(const ScheduleQuality& q, bool courtsGuessed) {
    QString text = QStringLiteral("figure\tvalue\tbound\n");
    text += line("members", q.members, QString());
    text += line("courts", q.courts, courtsGuessed ? QStringLiteral("guessed") : QString());
    text += line("play_spread", q.playSpread);
    text += line("partner_spread", q.partnerSpread);
    text += line("partner_max", q.partnerMax);
    text += line("opponent_spread", q.opponentSpread);
    text += line("opponent_max", q.opponentMax);
    text += line("longest_sitout", q.longestSitOut);
    text += line("longest_play_run", q.longestPlayRun);
    return text.toUtf8();
}

} // namespace

int runReport(const QStringList& args) {
    QCommandLineParser parser;
    const QCommandLineOption courtsOption(QStringLiteral("courts"),
                                          QStringLiteral("courts the table was made for"),
                                          QStringLiteral("n"));
    const QCommandLineOption outOption({QStringLiteral("o"), QStringLiteral("output")},
                                       QStringLiteral("output file"), QStringLiteral("OUT"));
    parser.addOption(courtsOption);
    parser.addOption(outOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("pairing data file"));
    if (!parser.parse(QStringList{QStringLiteral("report")} + args)) {
        printError(parser.errorText());
        return ExitUsage;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1 || parser.values(courtsOption).size() > 1 ||
        parser.values(outOption).size() > 1) {
        printError(std::string(Usage));
        return ExitUsage;
    }
    std::optional<int> courts;
    if (parser.isSet(courtsOption)) {
        bool ok = false;
        courts = parser.value(courtsOption).toInt(&ok);
        if (!ok || *courts < MinCourts || *courts > MaxCourts) {
            printError(std::string("--courts takes 1, 2 or 3"));
            return ExitUsage;
        }
    }

    const PairingFileContent content = readPairingFile(files[0]);
    if (!content.ok()) {
        printError(content.error);
        return ExitRefused;
    }
    // A count that puts somebody on two courts at once still gets its
    // figures, but the organiser should know they describe no real day.
    if (courts && !roundsHoldDistinctMembers(content.matches, *courts))
        printError("warning: some round of " + std::to_string(*courts) +
                   " matches names a member twice");
    const ScheduleQuality q = computeQuality(participantsOf(content.roster), content.matches,
                                             courts.value_or(guessCourtCount(content.matches)));
    return emitOutput(parser.value(outOption), reportText(q, !courts)) ? ExitOk : ExitRefused;
}

} // namespace pf::cli
