#include "cli/cli_support.h"
#include "cli/commands.h"

#include "files/pairing_file.h"
#include "members/members_file.h"
#include "pairing/entry_list.h"
#include "pairing/generation.h"
#include "pairing/random_source.h"

#include <QFile>
#include <memory>

namespace pf::cli {
namespace {

std::optional<std::uint32_t> parseSeed(const QString& text) {
    bool ok = false;
    const qulonglong v = text.toULongLong(&ok, 10);
    if (!ok || v > 0xffffffffull || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return static_cast<std::uint32_t>(v);
}

} // namespace

int runGenerate(const QStringList& args) {
    ArgReader reader(args);
    const auto courtsText = reader.take(QStringLiteral("--courts"));
    const auto methodText = reader.take(QStringLiteral("--method"));
    const auto seedText = reader.take(QStringLiteral("--seed"));
    const auto outText = reader.take(QStringLiteral("--output"), QStringLiteral("-o"));
    const QStringList rest = reader.rest();
    if (!reader.error().isEmpty()) {
        printError(reader.error());
        return ExitUsage;
    }
    if (rest.size() != 1 || rest[0].startsWith(QLatin1Char('-'))) {
        printError(std::string("usage: pairforge-cli generate MEMBERS --courts 1|2|3 "
                               "--method random|sequential [--seed S] [-o OUT]"));
        return ExitUsage;
    }
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
        else if (*methodText != QStringLiteral("sequential")) {
            printError(std::string("--method takes random or sequential"));
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

    const MembersFileContent members = readMembersFile(rest[0]);
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
    auto entries = std::make_unique<EntryList>();
    auto sequential = std::make_unique<SequentialState>();
    seedFromClock(); // immediately before the generation
    const RosterCheck check = GeneratePairing(session, *entries, *sequential);
    if (!check.ok()) {
        printError(check.error);
        return ExitRefused;
    }
    const QByteArray bytes = pairingFileBytes(session.Roster, session.Matches);
    return emitOutput(outText.value_or(QString()), bytes) ? ExitOk : ExitRefused;
}

} // namespace pf::cli
