#include "cli/cli_support.h"
#include "cli/commands.h"

#include "files/csv_writer.h"
#include "files/html_writer.h"
#include "files/pairing_file.h"
#include "model/text_codec.h"
#include "standings/standings.h"

#include <QRegularExpression>

namespace pf::cli {
namespace {

// 0 for rule 1 and 1 for rule 2, as the ranking setting stores them.
std::optional<int> rankingMethodOf(const std::optional<QString>& text) {
    if (!text || *text == QStringLiteral("1"))
        return 0;
    if (*text == QStringLiteral("2"))
        return 1;
    printError(std::string("--rule takes 1 or 2"));
    return std::nullopt;
}

void addRuleOption(CommandLine& cmd) {
    cmd.parser().addOption({QStringLiteral("rule"),
                            QStringLiteral("Ranking rule: 1 by match win rate, then game rate "
                                           "(default); 2 by game rate alone."),
                            QStringLiteral("1|2")});
}

void addMinMatchesOption(CommandLine& cmd) {
    cmd.parser().addOption({QStringLiteral("min-matches"),
                            QStringLiteral("Matches with a result a member needs for a rank "
                                           "(default 0: everybody); the others are listed "
                                           "last without one."),
                            QStringLiteral("N")});
}

std::optional<int> minMatchesOf(const std::optional<QString>& text) {
    if (!text)
        return 0;
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    if (digits.match(*text).hasMatch() && text->toInt() <= MaxMatches)
        return text->toInt();
    printError(std::string("--min-matches takes a number from 0 to 120"));
    return std::nullopt;
}

std::optional<OutputRange> rangeOf(const std::optional<QString>& text) {
    OutputRange range;
    if (!text || *text == QStringLiteral("all"))
        return range;
    if (*text == QStringLiteral("results")) {
        range.mode = RangeMode::WithResults;
        return range;
    }
    static const QRegularExpression fromTo(QStringLiteral("^([0-9]{1,3})-([0-9]{1,3})$"));
    const QRegularExpressionMatch m = fromTo.match(*text);
    if (m.hasMatch()) {
        range.mode = RangeMode::Range;
        range.from = m.captured(1).toInt();
        range.to = m.captured(2).toInt();
        if (range.from >= 1 && range.from <= range.to && range.to <= MaxMatches)
            return range;
    }
    printError(std::string("--range takes all, results or FROM-TO with 1 <= FROM <= TO <= 120"));
    return std::nullopt;
}

bool takeColors(const std::optional<QString>& text, HtmlOptions& options) {
    if (!text)
        return true;
    const QStringList parts = text->split(QLatin1Char(','));
    if (parts.size() == 4) {
        std::string* targets[] = {&options.pageColor, &options.lineColor, &options.titleColor,
                                  &options.dataColor};
        bool encodable = true;
        for (int i = 0; i < 4; ++i) {
            const std::optional<Name> bytes = encodeCp932(parts[i]);
            encodable = encodable && bytes.has_value();
            if (bytes)
                *targets[i] = *bytes;
        }
        if (encodable)
            return true;
    }
    printError(std::string("--colors takes four colours PAGE,LINE,TITLE,DATA (e.g. "
                           "99CCFF,3399FF,66CCFF,FFFFCC)"));
    return false;
}

} // namespace

int runStandings(const QStringList& args) {
    CommandLine cmd("standings FILE [--rule 1|2] [--min-matches N]", 1);
    addRuleOption(cmd);
    addMinMatchesOption(cmd);
    if (const auto done = cmd.parse(args))
        return *done;
    const auto method = rankingMethodOf(cmd.value(QStringLiteral("rule")));
    if (!method)
        return ExitUsage;
    const auto minMatches = minMatchesOf(cmd.value(QStringLiteral("min-matches")));
    if (!minMatches)
        return ExitUsage;
    const auto content = readPairingInput(cmd.positional(0));
    if (!content)
        return ExitRefused;

    const StandingsTable table =
        standingsTable(computeStandings(content->matches, rankingRuleOf(*method), *minMatches));
    QString text;
    for (int row = 0; row <= table.memberRows(); ++row) {
        for (int col = 0; col < StandingsColumns; ++col) {
            if (col > 0)
                text += QLatin1Char('\t');
            text += decodeCp932(table.cell(row, col));
        }
        text += QLatin1Char('\n');
    }
    return emitOutput(QString(), text.toUtf8()) ? ExitOk : ExitRefused;
}

int runCsv(const QStringList& args) {
    CommandLine cmd("csv FILE [--layout old|new] [-o OUT]", 1);
    cmd.parser().addOption({QStringLiteral("layout"),
                            QStringLiteral("old: two lines per match (default); new: one."),
                            QStringLiteral("old|new")});
    cmd.addOutputOption();
    if (const auto done = cmd.parse(args))
        return *done;
    const auto layoutText = cmd.value(QStringLiteral("layout"));
    CsvLayout layout = CsvLayout::TwoLinesPerMatch;
    if (layoutText && *layoutText == QStringLiteral("new")) {
        layout = CsvLayout::OneLinePerMatch;
    } else if (layoutText && *layoutText != QStringLiteral("old")) {
        printError(std::string("--layout takes old or new"));
        return ExitUsage;
    }
    const auto content = readPairingInput(cmd.positional(0));
    if (!content)
        return ExitRefused;
    return cmd.writeOutput(csvFileBytes(content->matches, layout));
}

int runHtml(const QStringList& args) {
    CommandLine cmd("html FILE [--rule 1|2] [--min-matches N] [--range all|results|FROM-TO] "
                    "[--colors PAGE,LINE,TITLE,DATA] [-o OUT]",
                    1);
    addRuleOption(cmd);
    addMinMatchesOption(cmd);
    cmd.parser().addOption({QStringLiteral("range"),
                            QStringLiteral("Matches listed: all (default), those with results, "
                                           "or the numbers FROM to TO."),
                            QStringLiteral("all|results|FROM-TO")});
    cmd.parser().addOption({QStringLiteral("colors"),
                            QStringLiteral("Colours of the page, the lines, the titles and the "
                                           "data cells, e.g. 99CCFF,3399FF,66CCFF,FFFFCC."),
                            QStringLiteral("PAGE,LINE,TITLE,DATA")});
    cmd.addOutputOption();
    if (const auto done = cmd.parse(args))
        return *done;
    const auto method = rankingMethodOf(cmd.value(QStringLiteral("rule")));
    if (!method)
        return ExitUsage;
    const auto minMatches = minMatchesOf(cmd.value(QStringLiteral("min-matches")));
    if (!minMatches)
        return ExitUsage;
    HtmlOptions options;
    const auto range = rangeOf(cmd.value(QStringLiteral("range")));
    if (!range)
        return ExitUsage;
    options.range = *range;
    if (!takeColors(cmd.value(QStringLiteral("colors")), options))
        return ExitUsage;
    const auto content = readPairingInput(cmd.positional(0));
    if (!content)
        return ExitRefused;

    StandingsTable table;
    ComputeStandings(content->matches, *method, table, *minMatches);
    return cmd.writeOutput(htmlPageBytes(content->matches, table, *method, options));
}

} // namespace pf::cli
