#include "cli/cli_support.h"
#include "cli/commands.h"
#include "cli/rules_input.h"

#include "cli/members_input.h"
#include "files/pairing_file.h"
#include "members/members_file.h"
#include "pairing/generation.h"
#include "pairing/generators.h"
#include "pairing/random_source.h"

#include <QFile>

namespace pf::cli {
int runGenerate(const QStringList& args) {
    CommandLine cmd("generate MEMBERS [--courts 1|2|3] [--method random|sequential|balanced] "
                    "[--seed S] [--encoding sjis|utf8] "
                    "[--facts FILE [--mixed] [--levels balance|near]] [-o OUT]",
                    1);
    cmd.parser().addOption({QStringLiteral("courts"), QStringLiteral("Courts in use (default 2)."),
                            QStringLiteral("1|2|3")});
    cmd.parser().addOption({QStringLiteral("method"),
                            QStringLiteral("Generation method (default sequential)."),
                            QStringLiteral("random|sequential|balanced")});
    cmd.addSeedOption();
    addEncodingOption(cmd);
    addRuleOptions(cmd);
    cmd.addOutputOption();
    if (const auto done = cmd.parse(args))
        return *done;
    const auto encoding = membersEncoding(cmd);
    if (!encoding)
        return cmd.usageError(QStringLiteral("--encoding takes sjis or utf8"));
    const auto courtsText = cmd.value(QStringLiteral("courts"));
    const auto methodText = cmd.value(QStringLiteral("method"));
    const auto seedText = cmd.value(QStringLiteral("seed"));
    const QString membersPath = cmd.positional(0);
    int courts = 2;
    if (courtsText) {
        bool ok = false;
        courts = courtsText->toInt(&ok);
        if (!ok || courts < MinCourts || courts > MaxCourts) {
            printError(std::string("--courts takes 1, 2 or 3"));
            return ExitUsage;
        }
    }
    int method = 1;
    if (methodText) {
        if (*methodText == QStringLiteral("random"))
            method = 0;
        else if (*methodText == QStringLiteral("balanced"))
            method = 2;
        else if (*methodText != QStringLiteral("sequential")) {
            printError(std::string("--method takes random, sequential or balanced"));
            return ExitUsage;
        }
    }
    std::optional<std::uint32_t> seed;
    if (seedText) {
        seed = parseSeed(*seedText);
        if (!seed) {
            printError(std::string("--seed takes a whole number from 0 to 4294967295"));
            return ExitUsage;
        }
    }

    RulesInput rules;
    if (const auto refused = readRuleOptions(cmd, rules))
        return *refused;
    if (rules.given && method != 2)
        return cmd.usageError(QStringLiteral("--facts needs --method balanced"));

    const MembersFileContent members = readMembersFile(membersPath, *encoding);
    if (!members.ok()) {
        printError(members.error);
        return ExitRefused;
    }

    Session session;
    session.Roster = members.roster;
    session.CourtCount = courts;
    session.GenerationMethod = method;

    if (seed)
        setSeedSource([s = *seed] { return s; });
    Generators generators;
    seedFromClock(); // immediately before the generation
    const RosterCheck check = rules.given ? generateRuledPairing(
                                                session,
                                                [&rules](const std::vector<Name>& names) {
                                                    return dayFactsOf(names, rules.facts);
                                                },
                                                rules.rules, drawBalancedSeed())
                                          : GeneratePairing(session, generators);
    if (!check.ok()) {
        printError(check.error);
        return ExitRefused;
    }
    if (!check.note.empty())
        printError("note: " + check.note);
    return cmd.writeOutput(pairingFileBytes(session.Roster, session.Matches));
}

} // namespace pf::cli
