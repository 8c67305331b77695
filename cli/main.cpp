// pairforge-cli: the program's schedules, standings and exports without the
// window, for scripts and for checking results.

#include "cli/cli_support.h"
#include "cli/commands.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <memory>

#ifdef PAIRFORGE_CLI_PDF
#include <QGuiApplication>
#endif
#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

namespace {

constexpr char Help[] =
    "pairforge-cli - PAIRFORGE doubles schedules from the command line\n"
    "\n"
    "usage:\n"
    "  pairforge-cli generate MEMBERS [--courts 1|2|3] [--method random|sequential|balanced]\n"
    "                         [--seed S] [-o OUT]\n"
    "      Generates the 120 matches for the members listed in MEMBERS (a Shift-JIS\n"
    "      text file, one name a line, at most 100) and writes the pairing data file\n"
    "      (.pf1). Defaults: 2 courts, sequential method, seed from the clock.\n"
    "      --seed S (0 to 4294967295) makes the schedule repeatable.\n"
    "  pairforge-cli standings FILE [--rule 1|2] [--min-matches N]\n"
    "      Prints the standings of a pairing data file as tab-separated UTF-8.\n"
    "      --min-matches N lists members with fewer than N matches with a result\n"
    "      after the ranked ones, with an empty rank.\n"
    "  pairforge-cli csv FILE [--layout old|new] [-o OUT]\n"
    "      Exports a pairing data file as CSV (Shift-JIS).\n"
    "  pairforge-cli html FILE [--rule 1|2] [--min-matches N]\n"
    "                     [--range all|results|FROM-TO] [--colors PAGE,LINE,TITLE,DATA]\n"
    "                     [-o OUT]\n"
    "      Exports a pairing data file as an HTML page (Shift-JIS).\n"
    "  pairforge-cli report FILE [--courts 1|2|3] [--from K] [-o OUT]\n"
    "      Prints how evenly the schedule shares out play, partners, opponents and\n"
    "      rests, as tab-separated UTF-8 lines FIGURE, VALUE, BOUND under a heading\n"
    "      line; BOUND is the best any table of that size could reach (empty when\n"
    "      nothing limits it). Without --courts the count is taken from the rounds\n"
    "      (the largest of 3, 2, 1 whose rounds hold different members) and the\n"
    "      courts line reads \"courts<TAB>n<TAB>guessed\".\n"
    "      With --from K, plays and rests are those of matches K to 120 among the\n"
    "      members playing in them (a re-planned rest of a day) and a line\n"
    "      \"from<TAB>K\" follows courts; partners and opponents stay whole-day.\n"
    "  pairforge-cli replan FILE --from K --members MEMBERS [--courts 1|2|3] [--seed S]\n"
    "                       [-o OUT]\n"
    "      Re-plans matches K to 120 of a pairing data file for the members listed in\n"
    "      MEMBERS (present from K on) and writes the pairing data file; matches\n"
    "      before K keep their names and results. K is the first match of a round.\n"
    "      Everybody who played before K keeps a roster line. Without --courts the\n"
    "      count is guessed as for report.\n"
    "  pairforge-cli pdf FILE --doc schedule|members|slips|standings [--courts 1|2|3]\n"
    "                    [--paper A4|A3|B4|Letter] [--landscape] [--rule 1|2]\n"
    "                    [--title T] [--date D] -o OUT.pdf\n"
    "      Prints the day on paper, as a PDF: the schedule (rounds by courts, with\n"
    "      who sits out), each member's own list, score slips (eight a sheet) or the\n"
    "      standings with every result. Without --courts the count is guessed as\n"
    "      for report. Draws with the fonts installed (Noto Sans CJK JP); without a\n"
    "      display it draws offscreen.\n"
    "\n"
    "Without -o the output goes to standard output; with -o the file is replaced\n"
    "only when the whole output could be written.\n"
    "Exit status: 0 done, 1 refused input or unreadable file, 2 wrong arguments.\n"
    "pairforge-cli COMMAND --help describes the options of one command.\n"
    "pairforge-cli --version prints the version of this build.\n";

// Only the pdf command draws, and drawing needs a QGuiApplication; the other
// commands keep to QtCore and start without any window system.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
#ifdef PAIRFORGE_CLI_PDF
    if (argc > 1 && std::strcmp(argv[1], "pdf") == 0) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        // A terminal without a display (a server, a cron job) still gets its
        // PDF: fonts and painting work on the offscreen platform.
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
#ifdef Q_OS_WIN
    // What goes out is the file's own bytes: no LF may become CR LF on the way,
    // and a console shows the UTF-8 texts as Japanese.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#endif
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        std::fputs(Help, stderr);
        return pf::cli::ExitUsage;
    }
    const QString command = args.takeFirst();
    if (command == QStringLiteral("--help") || command == QStringLiteral("-h") ||
        command == QStringLiteral("help")) {
        std::fputs(Help, stdout);
        return pf::cli::ExitOk;
    }
    if (command == QStringLiteral("--version")) {
        std::fputs("pairforge-cli " PAIRFORGE_VERSION "\n", stdout);
        return pf::cli::ExitOk;
    }
    if (command == QStringLiteral("generate"))
        return pf::cli::runGenerate(args);
    if (command == QStringLiteral("standings"))
        return pf::cli::runStandings(args);
    if (command == QStringLiteral("csv"))
        return pf::cli::runCsv(args);
    if (command == QStringLiteral("html"))
        return pf::cli::runHtml(args);
    if (command == QStringLiteral("report"))
        return pf::cli::runReport(args);
    if (command == QStringLiteral("replan"))
        return pf::cli::runReplan(args);
#ifdef PAIRFORGE_CLI_PDF
    if (command == QStringLiteral("pdf"))
        return pf::cli::runPdf(args);
#endif
    pf::cli::printError("unknown command: " + command.toStdString());
    std::fputs(Help, stderr);
    return pf::cli::ExitUsage;
}
