// pairforge-cli report: the schedule quality figures of a pairing data file,
// one figure a line, for scripts that compare generation methods. With
// --from K the shares of play and rest are those of matches K … 120 among the
// members who play in them (a re-planned rest of a day), while partners and
// opponents are still judged over the whole day.

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/rules_input.h"

#include "files/pairing_file.h"
#include "pairing/court_guess.h"
#include "pairing/replan.h"
#include "pairing/ruled_day.h"
#include "pairing/schedule_quality.h"

namespace pf::cli {
namespace {

QString line(const char* figure, int value, const QString& third) {
    return QString::fromLatin1(figure) + QLatin1Char('\t') + QString::number(value) +
           QLatin1Char('\t') + third + QLatin1Char('\n');
}

QString line(const QString& figure, const QualityFigure& f) {
    return figure + QLatin1Char('\t') + QString::number(f.value) + QLatin1Char('\t') +
           (f.bound ? QString::number(*f.bound) : QString()) + QLatin1Char('\n');
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

// The rows of the day's rules: breaks of the rules chosen (0 when held), the
// level gaps between the two sides of a match, the fixed pairs and the
// members kept apart that were never split or put together; then the shares
// within the rules, each named by what it is taken over.
QByteArray ruleText(const RuleFigures& f, const DayRules& rules, const RuledQuality& within) {
    QString text = line("rule_breaks", f.breaks(rules), QStringLiteral("0"));
    text += line("mixed_breaks", f.mixedBreaks, rules.mixed ? QStringLiteral("0") : QString());
    text += line("near_breaks", f.nearBreaks, rules.levelNear ? QStringLiteral("0") : QString());
    text += line("fixed_pair_breaks", f.fixedBreaks, QStringLiteral("0"));
    text += line("apart_breaks", f.apartBreaks, QStringLiteral("0"));
    text += line("level_gap_max", f.largestLevelGap, QString());
    text += QStringLiteral("level_gap_mean\t%1\t\n").arg(f.meanLevelGap, 0, 'f', 2);
    text += line("fixed_pairs_kept", f.fixedPairsKept, QString::number(f.fixedPairs));
    text += line("apart_pairs_kept", f.apartPairsKept, QString::number(f.apartPairs));
    const auto named = [&text](const char* figure, const RuledFigure& r) {
        text += line(
            QStringLiteral("%1[%2]").arg(QLatin1String(figure), QString::fromStdString(r.over)),
            r.figure);
    };
    for (const RuledFigure& r : within.playSpread)
        named("play_spread", r);
    named("partner_spread", within.partnerSpread);
    for (const RuledFigure& r : within.opponentSpread)
        named("opponent_spread", r);
    return text.toUtf8();
}

} // namespace

int runReport(const QStringList& args) {
    CommandLine cmd("report FILE [--courts 1|2|3] [--from K] [--facts FILE [--mixed] "
                    "[--levels balance|near]] [-o OUT]",
                    1);
    cmd.parser().addOption({QStringLiteral("courts"),
                            QStringLiteral("Courts the table was made for (default: guessed "
                                           "from the rounds)."),
                            QStringLiteral("1|2|3")});
    cmd.parser().addOption(
        {QStringLiteral("from"),
         QStringLiteral("Judge play and rest over matches K to 120 only, among those who play "
                        "in them; partners and opponents over the whole day."),
         QStringLiteral("K")});
    addRuleOptions(cmd);
    cmd.addOutputOption();
    if (const auto done = cmd.parse(args))
        return *done;
    RulesInput rules;
    if (const auto refused = readRuleOptions(cmd, rules))
        return *refused;
    std::optional<int> courts;
    if (const auto refused = readCourtsOption(cmd, courts))
        return *refused;
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
    const int n = courts ? *courts : guessCourtsNoted(content->matches);
    const std::vector<Name> day = participantsOf(content->roster);
    const ScheduleQuality whole = computeQuality(day, content->matches, n);
    QByteArray ruleRows;
    if (rules.given) {
        const DayFacts facts = dayFactsOf(day, rules.facts);
        ruleRows = ruleText(ruleFigures(day, facts, content->matches, n), rules.rules,
                            ruledQuality(day, facts, rules.rules, content->matches, n));
    }
    if (!from)
        return cmd.writeOutput(reportText(whole, whole, !courts, from) + ruleRows);
    if ((*from - 1) % n != 0)
        printError("warning: match " + std::to_string(*from) + " does not start a round of " +
                   std::to_string(n) + " matches");
    const int start = roundStartOf(*from, n);
    const ScheduleQuality rest =
        computeQuality(presentFrom(content->roster, content->matches, std::max(start, 2)),
                       content->matches, n, start - 1);
    return cmd.writeOutput(reportText(rest, whole, !courts, from) + ruleRows);
}

} // namespace pf::cli
