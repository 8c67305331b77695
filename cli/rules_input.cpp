#include "cli/rules_input.h"

namespace pf::cli {

void addRuleOptions(CommandLine& cmd) {
    cmd.parser().addOption({QStringLiteral("facts"),
                            QStringLiteral("The members' facts file (pairforge-members.txt): "
                                           "fixed partners and members kept apart hold."),
                            QStringLiteral("FILE")});
    cmd.parser().addOption(
        {QStringLiteral("mixed"), QStringLiteral("Mixed doubles: every side one man and one "
                                                 "woman (needs --facts).")});
    cmd.parser().addOption({QStringLiteral("levels"),
                            QStringLiteral("balance: the sides' level sums within 1; near: all "
                                           "four of a match within 1 level (needs --facts)."),
                            QStringLiteral("balance|near")});
}

std::optional<int> readRuleOptions(CommandLine& cmd, RulesInput& input) {
    const std::optional<QString> facts = cmd.value(QStringLiteral("facts"));
    const std::optional<QString> levels = cmd.value(QStringLiteral("levels"));
    const bool mixed = cmd.parser().isSet(QStringLiteral("mixed"));
    if (!facts && (mixed || levels))
        return cmd.usageError(QStringLiteral("--mixed and --levels need --facts"));
    if (levels && *levels != QLatin1String("balance") && *levels != QLatin1String("near"))
        return cmd.usageError(QStringLiteral("--levels takes balance or near"));
    if (!facts)
        return std::nullopt;
    const FactsFileContent content = readFactsFile(*facts);
    if (!content.ok()) {
        printError(content.error);
        return ExitRefused;
    }
    for (const std::string& problem : content.lineProblems)
        printError("warning: " + problem);
    input.given = true;
    input.facts = content.rows;
    input.rules.fixedPairs = true;
    input.rules.keptApart = true;
    input.rules.mixed = mixed;
    input.rules.levelBalance = levels && *levels == QLatin1String("balance");
    input.rules.levelNear = levels && *levels == QLatin1String("near");
    return std::nullopt;
}

} // namespace pf::cli
