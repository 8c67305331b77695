#include "fuzz/fuzz_checks.h"

#include "files/csv_writer.h"
#include "files/html_writer.h"
#include "files/pairing_file.h"
#include "standings/standings.h"

namespace pf::fuzz {
namespace {

// The HTML options come from the input's size, so that the file itself is
// all the fuzzer mutates and every range and colour is reached in time.
HtmlOptions optionsFor(const QByteArray& bytes) {
    HtmlOptions options;
    const auto n = static_cast<int>(bytes.size() % 7919);
    options.range.mode = static_cast<RangeMode>(n % 3);
    options.range.from = 1 + n % MaxMatches;
    options.range.to = options.range.from + (n / 3) % (MaxMatches + 1 - options.range.from);
    static const char* const colours[] = {"99CCFF", "", "<b>\"&", "\x82\xa0\x81\x40", "FFFFFFFF"};
    options.pageColor = colours[n % 5];
    options.dataColor = colours[(n / 5) % 5];
    return options;
}

} // namespace

bool checkPairingFile(const QByteArray& bytes) {
    const PairingFileContent first = parsePairingFile(bytes);
    if (!first.ok())
        return first.error == MsgReadFailed || first.error == MsgBadContent;
    for (const Name& name : first.roster)
        if (name.size() > static_cast<std::size_t>(MaxNameBytes))
            return false;

    // One rule and one layout an input, taken from its size, so that each
    // input costs half as much and every pairing of them still comes round.
    const int rule = static_cast<int>(bytes.size() & 1);
    const int layout = static_cast<int>((bytes.size() >> 1) & 1);
    StandingsTable table;
    ComputeStandings(first.matches, rule, table);
    if (table.memberRows() > StandingsRows - 1)
        return false;
    const QByteArray page = htmlPageBytes(first.matches, table, rule, optionsFor(bytes));
    if (page.isEmpty() || page.contains("<script"))
        return false;
    const QByteArray csv = csvFileBytes(first.matches, csvLayoutFromSetting(layout));
    if (csv.count("\r\n") != (layout == 0 ? 2 * MaxMatches : MaxMatches))
        return false;

    const QByteArray saved = pairingFileBytes(first.roster, first.matches);
    const PairingFileContent second = parsePairingFile(saved);
    return second.ok() && second.roster == first.roster && second.matches == first.matches &&
           pairingFileBytes(second.roster, second.matches) == saved;
}

} // namespace pf::fuzz
