#!/usr/bin/env bash
# Makes the Windows installer and portable zip from a Windows build folder and
# checks the installer under Wine: a silent install into Program Files, the
# installed command-line tool answering --help, a silent uninstall that takes
# all of the program away and leaves the organiser's settings and files alone.
# Expects WINEPREFIX to be set up (scripts/test-windows.sh does that).
set -euo pipefail
build=${1:?usage: check-windows-package.sh BUILD_FOLDER}
cd "$build"

rm -rf _CPack_Packages PAIRFORGE-*-win64.exe PAIRFORGE-*-win64.zip
cpack -G "NSIS;ZIP" >/dev/null
installer=$(ls PAIRFORGE-*-win64.exe)
zip=$(ls PAIRFORGE-*-win64.zip)
echo "Made $installer ($(du -h "$installer" | cut -f1)) and $zip ($(du -h "$zip" | cut -f1))"

fail() { echo "Windows package check failed: $*" >&2; exit 1; }

listing=$(unzip -Z1 "$zip")
for f in pairforge.exe pairforge-cli.exe index.html; do
    grep -q "/$f\$" <<<"$listing" || fail "$f is missing from $zip"
done
exe_bytes=$(unzip -l "$zip" | awk '/\/pairforge.exe$/ {print $1}')
[ "$exe_bytes" -le $((40 * 1024 * 1024)) ] || fail "pairforge.exe is $exe_bytes bytes, over 40 MB"
echo "pairforge.exe in the zip: $exe_bytes bytes"

c_drive=$WINEPREFIX/drive_c
target="$c_drive/Program Files/PAIRFORGE"
menus=("$c_drive/ProgramData/Microsoft/Windows/Start Menu/Programs"
       "$c_drive/users/${USER:-$(id -un)}/AppData/Roaming/Microsoft/Windows/Start Menu/Programs")
settings='HKCU\Software\Sorvanta\PAIRFORGE\CONFIG'

# What the organiser already has must outlive the program.
wine reg add "$settings" /v Seisei /t REG_SZ /d 2 /f >/dev/null
mkdir -p "$c_drive/users/${USER:-$(id -un)}/Documents"
printf 'organiser\r\n' >"$c_drive/users/${USER:-$(id -un)}/Documents/練習会.pf1"

wine "$installer" /S
for _ in $(seq 60); do [ -f "$target/Uninstall.exe" ] && break; sleep 1; done
echo "Installed into C:\\Program Files\\PAIRFORGE:"
(cd "$target" && find . -type f | sort | sed 's/^/  /')
for f in pairforge.exe pairforge-cli.exe index.html Uninstall.exe; do
    [ -f "$target/$f" ] || fail "$f was not installed"
done
shortcut=$(find "${menus[@]}" -name 'ペアフォージ.lnk' 2>/dev/null | head -n 1 || true)
[ -n "$shortcut" ] || fail "no Start-menu entry ペアフォージ"
echo "Start-menu entry: ${shortcut#"$c_drive/"}"

help=$(wine "C:\\Program Files\\PAIRFORGE\\pairforge-cli.exe" --help 2>&1) ||
    fail "the installed pairforge-cli.exe --help failed"
grep -q "generate" <<<"$help" || fail "the installed pairforge-cli.exe printed no command list"

wine "$target/Uninstall.exe" /S
for _ in $(seq 60); do [ -e "$target" ] || break; sleep 1; done
left=$( { [ -e "$target" ] && find "$target"; find "${menus[@]}" -name '*ペアフォージ*' 2>/dev/null; } || true)
[ -z "$left" ] || fail "the uninstaller left: $left"
wine reg query "$settings" /v Seisei 2>/dev/null | grep -q 'REG_SZ *2' ||
    fail "the uninstaller removed the organiser's settings"
[ -f "$c_drive/users/${USER:-$(id -un)}/Documents/練習会.pf1" ] || fail "the uninstaller removed the organiser's file"
echo "Uninstalled: nothing of the program left; settings and the organiser's file kept."
wine reg delete 'HKCU\Software\Sorvanta' /f >/dev/null 2>&1 || true
rm -f "$c_drive/users/${USER:-$(id -un)}/Documents/練習会.pf1"
