// pairforge-cli pdf: the day's sheets (schedule, each member's list, score
// slips, standings) as a PDF, the same pages the window prints.

#include "cli/cli_support.h"
#include "cli/commands.h"

#include "pairing/court_guess.h"
#include "paper/paper_render.h"

#include <QDate>

namespace pf::cli {

int runPdf(const QStringList& args) {
    CommandLine cmd("pdf FILE --doc schedule|members|slips|standings [--courts 1|2|3] "
                    "[--paper A4|A3|B4|Letter] [--landscape] [--rule 1|2] [--title T] "
                    "[--date D] -o OUT.pdf",
                    1);
    QCommandLineParser& p = cmd.parser();
    p.addOption({QStringLiteral("doc"),
                 QStringLiteral("schedule: rounds by courts; members: each member's own list; "
                                "slips: one score slip a match; standings: ranks and results."),
                 QStringLiteral("schedule|members|slips|standings")});
    p.addOption({QStringLiteral("courts"),
                 QStringLiteral("Courts the table was made for (default: guessed from the "
                                "rounds)."),
                 QStringLiteral("1|2|3")});
    p.addOption({QStringLiteral("paper"), QStringLiteral("Paper size (default A4; B4 is JIS B4)."),
                 QStringLiteral("A4|A3|B4|Letter")});
    p.addOption({QStringLiteral("landscape"), QStringLiteral("Landscape instead of portrait.")});
    p.addOption({QStringLiteral("rule"),
                 QStringLiteral("Ranking rule of the standings: 1 by match win rate, then game "
                                "rate (default); 2 by game rate alone."),
                 QStringLiteral("1|2")});
    p.addOption({QStringLiteral("title"),
                 QStringLiteral("Title on every page (default ダブルス組合せ表)."),
                 QStringLiteral("T")});
    p.addOption({QStringLiteral("date"),
                 QStringLiteral("Date on every page (default today, e.g. 2026年5月3日)."),
                 QStringLiteral("D")});
    cmd.addOutputOption();
    if (const auto done = cmd.parse(args))
        return *done;

    const auto doc = docFromKey(cmd.value(QStringLiteral("doc")).value_or(QString()));
    if (!doc)
        return cmd.usageError(QStringLiteral("--doc takes schedule, members, slips or standings"));
    PaperSetup setup;
    if (const auto paper = cmd.value(QStringLiteral("paper"))) {
        const auto size = paperFromName(*paper);
        if (!size)
            return cmd.usageError(QStringLiteral("--paper takes A4, A3, B4 or Letter"));
        setup.size = *size;
    }
    setup.landscape = p.isSet(QStringLiteral("landscape"));
    std::optional<int> courts;
    if (const auto refused = readCourtsOption(cmd, courts))
        return *refused;
    int rankingMethod = 0;
    if (const auto rule = cmd.value(QStringLiteral("rule"))) {
        if (*rule != QStringLiteral("1") && *rule != QStringLiteral("2"))
            return cmd.usageError(QStringLiteral("--rule takes 1 or 2"));
        rankingMethod = *rule == QStringLiteral("2") ? 1 : 0;
    }
    const auto out = cmd.value(QStringLiteral("output"));
    if (!out || out->isEmpty())
        return cmd.usageError(QStringLiteral("pdf needs -o OUT.pdf"));
    setup.title = cmd.value(QStringLiteral("title")).value_or(QStringLiteral("ダブルス組合せ表"));
    setup.date = cmd.value(QStringLiteral("date"))
                     .value_or(QDate::currentDate().toString(QStringLiteral("yyyy年M月d日")));

    const auto content = readPairingInput(cmd.positional(0));
    if (!content)
        return ExitRefused;
    if (courts && !roundsHoldDistinctMembers(content->matches, *courts))
        printError("warning: some round of " + std::to_string(*courts) +
                   " matches names a member twice");
    const int n = courts.value_or(guessCourtCount(content->matches));
    const QByteArray pdf =
        paperPdf(*doc, paperDay(content->roster, content->matches, n, rankingMethod), setup);
    if (pdf.isEmpty()) {
        printError(std::string("the PDF could not be made"));
        return ExitRefused;
    }
    return cmd.writeOutput(pdf);
}

} // namespace pf::cli
