#include "cli/cli_support.h"
#include "cli/commands.h"

namespace pf::cli {

int runStandings(const QStringList&) {
    printError(std::string("standings: not available yet"));
    return ExitUsage;
}

int runCsv(const QStringList&) {
    printError(std::string("csv: not available yet"));
    return ExitUsage;
}

int runHtml(const QStringList&) {
    printError(std::string("html: not available yet"));
    return ExitUsage;
}

} // namespace pf::cli
