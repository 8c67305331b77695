// pairforge-cli report: the schedule quality figures of a pairing data file,
// one figure a line, for scripts that compare generation methods. With
// --from K the shares of play and rest are those of matches K … 120 among the
// members who play in them (a re-planned rest of a day), while partners and
// opponents are still judged over the whole day.

#include "cli/cli_support.h"
#include "cli/commands.h"

#include "files/pairing_file.h"
#include "pairing/court_guess.h"
#include "pairing/replan.h"
#include "pairing/schedule_quality.h"

namespace pf::cli {
namespace {

QString line(const char* figure, int value, const QString& third) {
    return QString::fromLatin1(figure) + QLatin1Char('\t') + QString::number(value) +
           QLatin1Char('\t') + third + QLatin1Char('\n');
}

QString line(const char* figure, const QualityFigure& f) {
    return line(figure, f.value, f.bound ? QString::number(*f.bound) : QString());
}

// `rest` gives members, plays and rests; `day` partners and opponents.
QByteArray reportText(const ScheduleQuality& rest, const ScheduleQuality& day, bool courtsGuessed,
                      std::optional<int> from) {
    QString text = QStringLiteral("figure\tvalue\tbound\n");
    text += line("members", rest.members, QString());
    text += line("courts", rest.courts, courtsGuessed ? QStringLiteral("guessed") : QString());
    if (from)
        text += line("from", *from, QString());
    text += line("play_spread", rest.playSpread);
    text += line("partner_spread", day.partnerSpread);
    text += line("partner_max", day.partnerMax);
    text += line("opponent_spread", day.opponentSpread);
    text += line("opponent_max", day.opponentMax);
    text += line("longest_sitout", rest.longestSitOut);
    text += line("longest_play_run", rest.longestPlayRun);
    text += line("prefix_play_spread", rest.prefixPlaySpread);
    text += line("prefix_partner_excess", day.prefixPartnerExcess);
    text += line("prefix_opponent_excess", day.prefixOpponentExcess);
    return text.toUtf8();
}

} // namespace

int runReport(const QStringList& args) {
    CommandLine cmd("report FILE [--courts 1|2|3] [--from K] [-o OUT]", 1);
    cmd.parser().addOption({QStringLiteral("courts"),
                            QStringLiteral("Courts the table was made for (default: guessed "
                                           "from the rounds)."),
                            QStringLiteral("1|2|3")});
    cmd.parser().addOption(
        {QStringLiteral("from"),
         QStringLiteral("Judge play and rest over matches K to 120 only, among those who play "
                        "in them; partners and opponents over the whole day."),
         QStringLiteral("K")});
    cmd.addOutputOption();
    if (const auto done = cmd.parse(args))
        return *done;
    std::optional<int> courts;
    if (const auto courtsText = cmd.value(QStringLiteral("courts"))) {
        bool ok = false;
        courts = courtsText->toInt(&ok);
        if (!ok || *courts < MinCourts || *courts > MaxCourts)
            return cmd.usageError(QStringLiteral("--courts takes 1, 2 or 3"));
    }
    std::optional<int> from;
    if (const auto fromText = cmd.value(QStringLiteral("from"))) {
        bool ok = false;
        from = fromText->toInt(&ok);
        if (!ok || *from < 1 || *from > MaxMatches)
            return cmd.usageError(QStringLiteral("--from takes a match number from 1 to 120"));
    }

    const auto content = readPairingInput(cmd.positional(0));
    if (!content)
        return ExitRefused;
    // A count that puts somebody on two courts at once still gets its
    // figures, but the organiser should know they describe no real day.
    if (courts && !roundsHoldDistinctMembers(content->matches, *courts))
        printError("warning: some round of " + std::to_string(*courts) +
                   " matches names a member twice");
    const int n = courts.value_or(guessCourtCount(content->matches));
    const std::vector<Name> day = participantsOf(content->roster);
    const ScheduleQuality whole = computeQuality(day, content->matches, n);
    if (!from)
        return cmd.writeOutput(reportText(whole, whole, !courts, from));
    if ((*from - 1) % n != 0)
        printError("warning: match " + std::to_string(*from) + " does not start a round of " +
                   std::to_string(n) + " matches");
    const int start = roundStartOf(*from, n);
    const ScheduleQuality rest =
        computeQuality(presentFrom(content->roster, content->matches, std::max(start, 2)),
                       content->matches, n, start - 1);
    return cmd.writeOutput(reportText(rest, whole, !courts, from));
}

} // namespace pf::cli
