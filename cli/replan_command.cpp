// pairforge-cli replan: the rest of a day re-planned from a round on for the
// members present from then on; the matches before it stay as they are.

#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/rules_input.h"

#include "cli/members_input.h"
#include "files/pairing_file.h"
#include "pairing/court_guess.h"
#include "pairing/generators.h"
#include "pairing/random_source.h"
#include "pairing/replan.h"

#include <QRegularExpression>
#include <algorithm>

namespace pf::cli {

int runReplan(const QStringList& args) {
    CommandLine cmd("replan FILE --from K --members MEMBERS [--courts 1|2|3] [--seed S] "
                    "[--encoding sjis|utf8] [--facts FILE [--mixed] [--levels balance|near]] "
                    "[-o OUT]",
                    1);
    cmd.parser().addOption({QStringLiteral("from"),
                            QStringLiteral("First match to re-plan: the first match of a round."),
                            QStringLiteral("K")});
    cmd.parser().addOption(
        {QStringLiteral("members"),
         QStringLiteral("Text file of the members present from K on, one name a line."),
         QStringLiteral("MEMBERS")});
    cmd.parser().addOption({QStringLiteral("courts"),
                            QStringLiteral("Courts in use (default: guessed from the rounds)."),
                            QStringLiteral("1|2|3")});
    cmd.addSeedOption();
    addEncodingOption(cmd);
    addRuleOptions(cmd);
    cmd.addOutputOption();
    if (const auto done = cmd.parse(args))
        return *done;
    RulesInput rules;
    if (const auto refused = readRuleOptions(cmd, rules))
        return *refused;
    const auto fromText = cmd.value(QStringLiteral("from"));
    const auto membersPath = cmd.value(QStringLiteral("members"));
    if (!fromText || !membersPath)
        return cmd.usageError(QStringLiteral("--from and --members are required"));
    bool ok = false;
    const qlonglong wide = fromText->toLongLong(&ok);
    if (!ok && !QRegularExpression(QStringLiteral("^[+-]?[0-9]+$")).match(*fromText).hasMatch())
        return cmd.usageError(QStringLiteral("--from takes a match number"));
    // A number too large for any table is refused by the re-plan itself, with
    // the message and exit status of every other match outside the table.
    const int from = !ok ? (fromText->startsWith(QLatin1Char('-')) ? -1 : MaxMatches + 1)
                         : static_cast<int>(std::clamp<qlonglong>(wide, -1, MaxMatches + 1));
    const auto encoding = membersEncoding(cmd);
    if (!encoding)
        return cmd.usageError(QStringLiteral("--encoding takes sjis or utf8"));
    std::optional<int> courts;
    if (const auto refused = readCourtsOption(cmd, courts))
        return *refused;
    std::optional<std::uint32_t> seed;
    if (const auto seedText = cmd.value(QStringLiteral("seed"))) {
        seed = parseSeed(*seedText);
        if (!seed)
            return cmd.usageError(
                QStringLiteral("--seed takes a whole number from 0 to 4294967295"));
    }

    const auto content = readPairingInput(cmd.positional(0));
    if (!content)
        return ExitRefused;
    const MembersFileContent members = readMembersFile(*membersPath, *encoding);
    if (!members.ok()) {
        printError(members.error); // names the file on its second line
        return ExitRefused;
    }
    const std::vector<Name> present = members.names;

    if (seed)
        setSeedSource([s = *seed] { return s; });
    seedFromClock(); // as a generation does, immediately before the draw
    ReplanRequest request;
    request.firstMatch = from;
    request.present = present;
    request.courts = courts ? *courts : guessCourtsNoted(content->matches);
    request.seed = drawBalancedSeed();
    const DayFacts facts = dayFactsOf(present, rules.facts);
    if (rules.given) {
        request.facts = &facts;
        request.rules = rules.rules;
    }
    const ReplanResult result = planReplan(content->roster, content->matches, request);
    if (!result.ok()) {
        printError(result.error);
        return ExitRefused;
    }
    if (!result.note.empty())
        printError("note: " + result.note);
    // There is nobody to ask, but the results given up should not go unnoticed.
    if (hasResultsFrom(content->matches, from))
        printError("warning: the results of matches " + std::to_string(from) +
                   " to 120 are replaced");
    return cmd.writeOutput(pairingFileBytes(result.roster, result.matches));
}

} // namespace pf::cli
