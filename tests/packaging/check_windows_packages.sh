#!/usr/bin/env bash
# check_windows_packages.sh BUILD VERSION SCRATCH: makes the zip and the Windows Installer
# package of the Windows build BUILD in SCRATCH. The zip holds the two programs, the licence and a
# read-me that names the version. The package is installed, upgraded and removed under Wine, in
# a Wine prefix of its own there, as an administrator would, quietly: every file where it belongs
# with the zip's bytes, the Start menu's shortcut starting the window, the entry of Apps &
# features, one entry after an upgrade to a later version, and nothing left after removal. The X
# server whose folder is BRENVOL_XVFB_DIR (scripts/xvfb.sh) shows the window.
set -euo pipefail
build=$1 version=$2 scratch=$3
fail() { echo "check_windows_packages: $*" >&2; exit 1; }
rm -rf "$scratch" && mkdir -p "$scratch"
cd "$scratch"
# Stripped with one time stamp in the programs' headers, as the packages' presets strip them.
SOURCE_DATE_EPOCH=1796601600 cpack -G "External;ZIP" --config "$build/CPackConfig.cmake" \
    -B "$scratch" >cpack.log 2>&1 ||
    fail "cpack failed: $(cat cpack.log)"
msi=$scratch/brenvol-$version-x64.msi zip=brenvol-$version-windows-x86_64
[ -f "$msi" ] || fail "no brenvol-$version-x64.msi"
mkdir unzipped && (cd unzipped && cmake -E tar xf "../$zip.zip")
[ "$(cd unzipped && find . -type f | sort | tr '\n' ' ')" = \
    "./$zip/LICENSE.txt ./$zip/README.txt ./$zip/brenvol-cli.exe ./$zip/brenvol.exe " ] ||
    fail "the zip holds $(cd unzipped && find . -type f | sort | tr '\n' ' ')"
grep -q "Brenvol $version for Windows" "unzipped/$zip/README.txt" || fail "the read-me names no version"
echo "the package: $(stat -c %s "$msi") bytes"

# What Windows reads of the package itself, whatever Wine makes of it: per machine, so that the
# Start menu's folder is the one of all users; the shortcut's target; the icon of Apps & features.
table() { msiinfo export "$msi" "$1" | tr -d '\r'; }
property() { table Property | awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }
[ "$(property ALLUSERS)" = 1 ] || fail "not per machine"
[ "$(property ARPPRODUCTICON)" = brenvol.ico ] || fail "no icon for Apps & features"
table Shortcut | grep -q $'^StartMenu\tProgramMenuFolder\tBrenvol\tWindow\t\[INSTALLDIR\]brenvol.exe' ||
    fail "no shortcut to brenvol.exe in the Start menu"

# A later version of the same programs, which says so in its read-me.
later=$(echo "$version" | awk -F. '{ print $1 "." $2 "." $3 + 1 }')
stage=$(dirname "$(find _CPack_Packages -name brenvol.wxs)")
cp -r "$stage" later
sed -i "s/$version/$later/" later/README.txt
(cd later && wixl --arch x64 --define "Version=$later" --output ../later.msi brenvol.wxs 2>/dev/null) ||
    fail "wixl failed on the later version"

export WINEPREFIX=$scratch/prefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
DISPLAY=:$(cat "$BRENVOL_XVFB_DIR/display")
export DISPLAY
trap 'wineserver --kill 2>/dev/null || true' EXIT
wineboot --init >/dev/null 2>&1
installed=$WINEPREFIX/drive_c/Program\ Files/Brenvol
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The product codes of the entries named Brenvol.
entries() {
    wine reg query "$uninstall" /s 2>/dev/null |
        awk '/^HKEY/ { key = $0 } /^ +DisplayName +REG_SZ +Brenvol\r?$/ { print key }' |
        grep -o '{[0-9A-F-]*}' || true
}
value() { wine reg query "$uninstall\\$1" /v "$2" 2>/dev/null | awk -v name="$2" '$1 == name { $1 = $2 = ""; sub(/^ +/, ""); print }' | tr -d '\r'; }

wine msiexec /i "$(winepath -w "$msi")" /qn || fail "msiexec /i failed"
for file in brenvol.exe brenvol-cli.exe README.txt LICENSE.txt; do
    cmp -s "$installed/$file" "unzipped/$zip/$file" ||
        fail "$file is not installed with the zip's bytes"
done
for program in brenvol.exe brenvol-cli.exe; do
    [ "$(stat -c %s "$installed/$program")" -lt $((300 * 1024)) ] || fail "$program is 300 KiB or more"
done
code=$(entries)
[ "$(echo "$code" | wc -w)" = 1 ] || fail "not one entry in Apps & features: $code"
for expected in "DisplayName=Brenvol" "DisplayVersion=$version" "Publisher=The Brenvol developers" \
    "UninstallString=MsiExec.exe /X$code" "NoModify=0x1" "NoRepair=0x1"; do
    [ "$(value "$code" "${expected%%=*}")" = "${expected#*=}" ] ||
        fail "${expected%%=*} is '$(value "$code" "${expected%%=*}")', not '${expected#*=}'"
done
icon=$(wine reg query 'HKCR\Installer\Products' /s /v ProductIcon 2>/dev/null | grep -o 'C:.*brenvol.ico' | tr -d '\r')
[ -f "$(winepath -u "$icon")" ] || fail "no icon for Apps & features at '$icon'"

# The shortcut, where Wine puts the Start menu, points at the program and starts its window.
shortcut=$(find "$WINEPREFIX/drive_c" -name Brenvol.lnk)
[ -n "$shortcut" ] || fail "no shortcut in the Start menu"
grep -aq 'Program Files\\Brenvol\\brenvol.exe' "$shortcut" || fail "the shortcut points elsewhere"
wine start /unix "$shortcut"
timeout 60 xdotool search --sync --name '^Brenvol$' >/dev/null || fail "the shortcut opened no window"
wine taskkill /f /im brenvol.exe >/dev/null 2>&1

wine msiexec /i "$(winepath -w "$scratch/later.msi")" /qn || fail "msiexec /i of $later failed"
code=$(entries)
[ "$(echo "$code" | wc -w)" = 1 ] || fail "not one entry after the upgrade: $code"
[ "$(value "$code" DisplayVersion)" = "$later" ] || fail "the entry is not the later version's"
grep -q "Brenvol $later" "$installed/README.txt" || fail "the upgrade left the earlier files"

wine msiexec /x "$code" /qn || fail "msiexec /x failed"
[ -z "$(entries)" ] || fail "an entry is left in Apps & features"
[ ! -e "$installed" ] || fail "the program's folder is left: $(ls "$installed")"
[ -z "$(find "$WINEPREFIX/drive_c" -name Brenvol.lnk)" ] || fail "the shortcut is left"
[ ! -e "$(winepath -u "$icon")" ] || fail "the icon is left"
echo "installed, upgraded to $later and removed"
