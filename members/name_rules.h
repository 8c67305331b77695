#pragma once
// What a member name may be: 1 to 255 bytes of code page 932, no half-width
// comma (it would split the data file's match lines into extra fields) and no
// control character.

#include "app/session.h"

#include <QString>
#include <optional>
#include <string>

namespace pf {

inline constexpr char MsgNameComma[] = "メンバー名に半角カンマ(,)は使用出来ません。";
inline constexpr char MsgNameTooLong[] =
    "メンバー名は半角255文字（全角127文字）以内で入力して下さい。";
inline constexpr char MsgNameBadChar[] = "メンバー名に使用出来ない文字が含まれています。";

// The reason (UTF-8) a name held as Shift-JIS bytes is refused, or nullopt.
std::optional<std::string> checkMemberName(const Name& bytes);

struct NameEntry {
    Name bytes;        // valid when error is empty
    std::string error; // UTF-8 message, empty when accepted
};

// A name typed by the organiser: twin characters mapped, encoded, checked.
NameEntry memberNameFromText(const QString& text);

} // namespace pf
