#pragma once
// The program's words that more than one place uses: the messages the core
// returns as its errors and the titles of the boxes that show them, in UTF-8.
// The windows show them, the command-line tool prints them. Captions that
// belong to one dialog stay with that dialog.

namespace pf {

inline constexpr char ErrorTitle[] = "エラー";

inline constexpr char MsgReadFailed[] = "ファイルの読み込みに失敗しました。";
inline constexpr char MsgBadContent[] = "ファイルの内容が不正です。";
inline constexpr char MsgWriteFailed[] = "ファイルの書き込みに失敗しました。";
inline constexpr char MsgCannotOpen[] = "実行する事が出来ませんでした。";
inline constexpr char MsgSettingsWriteFailed[] = "環境設定を保存出来ませんでした。";
inline constexpr char MsgSettingBadType[] = "'%1' のデータ型が不正です";
// %1: the display size in full-width digits.
inline constexpr char MsgDisplayScaleFallback[] =
    "画面に収まらないため、表示倍率を%1％にしました。次回の起動から有効になります。";

inline constexpr char MsgDuplicateMember[] = "同じメンバー名は、登録出来ません。";
inline constexpr char MsgTooFewMembers[] = "（４人×コート数）以上のメンバーを登録して下さい。";
inline constexpr char MsgTooManyMembers[] = "メンバーは100人まで選択出来ます。";
// Each refusal of a name names the member in 「」 (%1), so that the
// organiser finds the line among a hundred.
inline constexpr char MsgNameComma[] = "メンバー名「%1」に半角カンマ(,)は使用出来ません。";
inline constexpr char MsgNameTooLong[] =
    "メンバー名「%1」は半角255文字（全角127文字）以内で入力して下さい。";
inline constexpr char MsgNameBadChar[] = "メンバー名「%1」に使用出来ない文字が含まれています。";

inline constexpr char MsgReplanStart[] =
    "作り直しを始める試合は、1～120試合のうち各回の最初の試合を指定して下さい。";
inline constexpr char MsgReplanTooManyMembers[] =
    "これまでに試合をしたメンバーと合わせて100人を超えるため、組み合わせを作り直せません。";

} // namespace pf
