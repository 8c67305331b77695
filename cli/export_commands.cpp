#include "cli/cli_support.h"
#include "cli/commands.h"

#include "app/text_codec.h"
#include "files/csv_writer.h"
#include "files/html_writer.h"
#include "files/pairing_file.h"
#include "standings/standings.h"

#include <QRegularExpression>

namespace pf::cli {
namespace {

// FILE as the one positional argument, nothing unknown left over.
std::optional<QString> singleFile(const ArgReader& reader, const char* usage) {
    const QStringList rest = reader.rest();
    if (!reader.error().isEmpty()) {
        printError(reader.error());
        return std::nullopt;
    }
    if (rest.size() != 1 || rest[0].startsWith(QLatin1Char('-'))) {
        printError(std::string("usage: pairforge-cli ") + usage);
        return std::nullopt;
    }
    return rest[0];
}

// 0 for rule 1 and 1 for rule 2, as the ranking setting stores them.
std::optional<int> rankingMethodOf(const std::optional<QString>& text) {
    if (!text || *text == QStringLiteral("1"))
        return 0;
    if (*text == QStringLiteral("2"))
        return 1;
    printError(std::string("--rule takes 1 or 2"));
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

std::optional<PairingFileContent> readInput(const QString& path) {
    PairingFileContent content = readPairingFile(path);
    if (!content.ok()) {
        printError(content.error);
        return std::nullopt;
    }
    return content;
}

} // namespace

int runStandings(const QStringList& args) {
    ArgReader reader(args);
    const auto ruleText = reader.take(QStringLiteral("--rule"));
    const auto file = singleFile(reader, "standings FILE [--rule 1|2]");
    if (!file)
        return ExitUsage;
    const auto method = rankingMethodOf(ruleText);
    if (!method)
        return ExitUsage;
    const auto content = readInput(*file);
    if (!content)
        return ExitRefused;

    StandingsTable table;
    ComputeStandings(content->matches, *method, table);
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
    ArgReader reader(args);
    const auto layoutText = reader.take(QStringLiteral("--layout"));
    const auto outText = reader.take(QStringLiteral("--output"), QStringLiteral("-o"));
    const auto file = singleFile(reader, "csv FILE [--layout old|new] [-o OUT]");
    if (!file)
        return ExitUsage;
    int csvMode = 0;
    if (layoutText && *layoutText == QStringLiteral("new")) {
        csvMode = 1;
    } else if (layoutText && *layoutText != QStringLiteral("old")) {
        printError(std::string("--layout takes old or new"));
        return ExitUsage;
    }
    const auto content = readInput(*file);
    if (!content)
        return ExitRefused;
    return emitOutput(outText.value_or(QString()), csvFileBytes(content->matches, csvMode))
               ? ExitOk
               : ExitRefused;
}

int runHtml(const QStringList& args) {
    ArgReader reader(args);
    const auto ruleText = reader.take(QStringLiteral("--rule"));
    const auto rangeText = reader.take(QStringLiteral("--range"));
    const auto colorsText = reader.take(QStringLiteral("--colors"));
    const auto outText = reader.take(QStringLiteral("--output"), QStringLiteral("-o"));
    const auto file = singleFile(reader, "html FILE [--rule 1|2] [--range all|results|FROM-TO] "
                                         "[--colors PAGE,LINE,TITLE,DATA] [-o OUT]");
    if (!file)
        return ExitUsage;
    const auto method = rankingMethodOf(ruleText);
    if (!method)
        return ExitUsage;
    HtmlOptions options;
    const auto range = rangeOf(rangeText);
    if (!range)
        return ExitUsage;
    options.range = *range;
    if (!takeColors(colorsText, options))
        return ExitUsage;
    const auto content = readInput(*file);
    if (!content)
        return ExitRefused;

    StandingsTable table;
    ComputeStandings(content->matches, *method, table);
    const QByteArray page = htmlPageBytes(content->matches, table, *method, options);
    return emitOutput(outText.value_or(QString()), page) ? ExitOk : ExitRefused;
}

} // namespace pf::cli
