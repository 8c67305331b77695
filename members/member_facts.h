#pragma once
// What the club knows of each member from day to day, kept in
// pairforge-members.txt beside the candidate list (which stays one name a
// line): gender, level, a fixed partner and the members never to share a
// match with. The balanced method reads them for the day's rules.
//
// The file is Shift-JIS with CR LF like every other file of the program. Its
// first line is the header; then one line a member:
//   name,性別,レベル,固定ペア,別々1,別々2,…
// 性別 is 男, 女 or empty, レベル 1 to 5 or empty. Names hold no comma, so the
// split is exact. A line that cannot be read is reported with its number and
// kept as it is, so saving the facts again never drops it.

#include "model/session.h"
#include "model/status.h"
#include "pairing/day_rules.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

namespace pf {

inline constexpr char FactsFileBaseName[] = "pairforge-members.txt";
inline constexpr char FactsFileHeader[] = "PAIRFORGE MEMBERS 1";

// A line names a member, a partner and at most everybody else on a full day's
// list; a thousand such lines is far beyond any club.
inline constexpr qint64 MaxFactsLineBytes = (MaxMembers + 2) * (MaxNameBytes + 1) + 8;
inline constexpr qint64 MaxFactsFileBytes = 1000 * (MaxFactsLineBytes + 2);

struct MemberFacts {
    Name name; // Shift-JIS, as on the candidate list
    Gender gender = Gender::Unset;
    int level = UnsetLevel;
    Name fixedPartner; // empty: none
    std::vector<Name> keptApart;
    // A line that could not be read: written back exactly, nothing else used.
    QByteArray unreadLine;

    bool unread() const { return !unreadLine.isEmpty(); }
    bool operator==(const MemberFacts&) const = default;
};

struct FactsFileContent {
    std::vector<MemberFacts> rows;         // in file order, unread lines included
    std::vector<std::string> lineProblems; // UTF-8, one a bad line, with its number
    std::string error; // the file as a whole could not be read (UTF-8); rows empty
    bool ok() const { return error.empty(); }
};

// The facts file beside the candidate list at `candidateFilePath`.
QString factsFilePathBeside(const QString& candidateFilePath);

FactsFileContent parseFactsFile(const QByteArray& bytes);
// A missing file is an empty, readable list: the club has written no facts yet.
FactsFileContent readFactsFile(const QString& path);

QByteArray factsFileBytes(const std::vector<MemberFacts>& rows);
// Written whole and then renamed, so a failure leaves the earlier file.
Status writeFactsFile(const QString& path, const std::vector<MemberFacts>& rows);

// The row of `name` (not counting unread lines); nullptr when it has none.
const MemberFacts* findFacts(const std::vector<MemberFacts>& rows, const Name& name);
MemberFacts& factsOf(std::vector<MemberFacts>& rows, const Name& name); // added when missing

// A fixed pair is mutual: `a` and `b` become each other's partner and their
// former partners lose theirs. An empty `b` clears `a`'s pair on both sides.
void setFixedPartner(std::vector<MemberFacts>& rows, const Name& a, const Name& b);

// Today's members' facts by their index in `names`: partners and members
// kept apart who are not here today drop out; a fixed pair named on one side
// only counts both ways; partners named one way and another are a conflict.
DayFacts dayFactsOf(const std::vector<Name>& names, const std::vector<MemberFacts>& rows);

// The rows of the facts file at `path` for a day under rules, or why they
// cannot be had (UTF-8): a file that cannot be read would leave the rules
// without the facts they are about. A missing file is no facts at all.
struct FactsForDay {
    std::vector<MemberFacts> rows;
    std::string error;
};
FactsForDay readFactsForDay(const QString& path);

} // namespace pf
