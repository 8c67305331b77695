#pragma once
// What a member name may be: 1 to 255 bytes of code page 932, no half-width
// comma (it would split the data file's match lines into extra fields) and no
// control character.

#include "model/session.h"
#include "model/texts.h"

#include <QString>
#include <string>
#include <vector>

namespace pf {

// `message` with the name filled in; a name too long to read in a message
// box is cut after 20 characters with "…".
std::string nameRefusal(const char* message, const QString& name);

// The reason (UTF-8) a name held as Shift-JIS bytes is refused, naming it;
// empty when it is accepted.
std::string checkMemberName(const Name& bytes);

struct NameEntry {
    Name bytes;        // valid when error is empty
    std::string error; // UTF-8 message, empty when accepted
    bool ok() const { return error.empty(); }
};

// A name typed by the organiser: twin characters mapped, encoded, checked.
NameEntry memberNameFromText(const QString& text);

// What two names written by hand for one person still share: full-width and
// half-width forms made one (「ＡＢ」 and 「AB」, 「ｻﾄｳ」 and 「サトウ」) and
// spaces of either width dropped. Names with the same key are probably the
// same member typed twice; they stay different names all the same.
QString nearDuplicateKey(const QString& name);

// The first of `names` (Shift-JIS) that is not `bytes` itself but has its
// nearDuplicateKey; -1 when none.
int findNearDuplicate(const std::vector<Name>& names, const Name& bytes);

} // namespace pf
