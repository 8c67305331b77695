#pragma once
// What a member name may be: 1 to 255 bytes of code page 932, no half-width
// comma (it would split the data file's match lines into extra fields) and no
// control character.

#include "app/session.h"

#include <QString>
#include <optional>
#include <string>

namespace pf {

// Each refusal names the member in 「」 (%1), so that the organiser finds the
// line among a hundred.
inline constexpr char MsgNameComma[] = "メンバー名「%1」に半角カンマ(,)は使用出来ません。";
inline constexpr char MsgNameTooLong[] =
    "メンバー名「%1」は半角255文字（全角127文字）以内で入力して下さい。";
inline constexpr char MsgNameBadChar[] = "メンバー名「%1」に使用出来ない文字が含まれています。";

// `message` with the name filled in; a name too long to read in a message
// box is cut after 20 characters with "…".
std::string nameRefusal(const char* message, const QString& name);

// The reason (UTF-8) a name held as Shift-JIS bytes is refused, naming it, or
// nullopt.
std::optional<std::string> checkMemberName(const Name& bytes);

struct NameEntry {
    Name bytes;        // valid when error is empty
    std::string error; // UTF-8 message, empty when accepted
};

// A name typed by the organiser: twin characters mapped, encoded, checked.
NameEntry memberNameFromText(const QString& text);

} // namespace pf
