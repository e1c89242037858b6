#!/usr/bin/env bash
# The per-user installer under Wine, as a user without administrator rights runs it: a silent
# install into the user's programs folder, Kestrum started from there recording an opening into
# the history beside it, an upgrade over it keeping history and settings, and a silent uninstall
# that removes the programs and keeps the history. The portable zip holds the same programs.
#
#   install_test.sh SOURCE_DIR BUILD_DIR   (run inside the harness: wine-run/env.sh is read)
set -uo pipefail
source_dir=${1:?source dir}
build=${2:?build dir}
# shellcheck disable=SC1091
. "$build/wine-run/env.sh"

passed=0
failed=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what"; fi
}
wait_for() {  # wait_for SECONDS COMMAND...: true once COMMAND succeeds
  local limit=$(($1 * 10))
  shift
  for _ in $(seq "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit $?
}

"$source_dir/package.sh" --no-build >/dev/null || { echo "package.sh failed"; failed=1; finish; }
package=$build/package
setup=$(ls "$package"/Kestrum-*-setup.exe)
zip=$(ls "$package"/Kestrum-*-portable.zip)
version=$(basename "$setup" -setup.exe)
version=${version#Kestrum-}

user_dir=$(ls -d "$WINEPREFIX"/drive_c/users/*/AppData/Local | grep -v /Public/ | head -1)
user_dir=${user_dir%/AppData/Local}
install_dir=$user_dir/AppData/Local/Programs/Kestrum
start_menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kestrum'
settings_key='HKCU\Software\Quillon Works\Kestrum'
history=$install_dir/Kestrum.dat

reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { print $NF }'; }

# Started hidden, without the introduction.
wine reg add "$settings_key" /v ShowIntro /t REG_DWORD /d 0 /f >/dev/null 2>&1
wine reg add "$settings_key" /v Minimized /t REG_DWORD /d 1 /f >/dev/null 2>&1

# 1. A silent install as the user.
wine "$setup" /S >/dev/null 2>&1
check "the installer ends" true
check "Kestrum.exe is in the user's programs folder" test -f "$install_dir/Kestrum.exe"
check "Tourlet.exe is beside it" test -f "$install_dir/Tourlet.exe"
check "the Quick Intro's pages and pictures are beside it" \
  test -f "$install_dir/Tourlet/index4.htm" -a -f "$install_dir/Tourlet/images/main_window.png"
check "the help pages are beside it" test -f "$install_dir/help/help.htm" -a -f "$install_dir/help/save_list.htm"
check "the uninstaller is there" test -f "$install_dir/Uninstall.exe"
check "a Start-menu shortcut" test -f "$start_menu/Kestrum.lnk"
check "an entry in the installed programs" test "$(reg_value "$uninstall_key" DisplayVersion)" = "$version"

# 2. Kestrum started from there records an opening beside itself.
document=$(winepath -w "$build/wine-run")\\installed-document.txt
echo "opened after installing" >"$build/wine-run/installed-document.txt"
wine "$install_dir/Kestrum.exe" >/dev/null 2>&1 &
kestrum=$!
sleep 2
wine "$build/bin/open_documents.exe" "$document" >/dev/null 2>&1
check "the opening is recorded in the history beside the program" \
  wait_for 15 grep -q "installed-document.txt" "$history"
wine taskkill /IM Kestrum.exe /F >/dev/null 2>&1
wait "$kestrum" 2>/dev/null

# 3. An upgrade over it keeps history and settings.
before=$(md5sum <"$history")
wine reg add "$settings_key" /v FilesSort /t REG_DWORD /d 3 /f >/dev/null 2>&1
wine "$setup" /S >/dev/null 2>&1
check "the upgrade keeps the history byte for byte" test "$(md5sum <"$history")" = "$before"
check "the upgrade keeps the settings" test "$(reg_value "$settings_key" FilesSort)" = "0x3"

# 4. The zip holds the same programs.
unzipped=$build/wine-run/unzipped
rm -rf "$unzipped"
unzip -q "$zip" -d "$unzipped"
for program in "$install_dir"/*.exe; do
  name=$(basename "$program")
  [ "$name" = Uninstall.exe ] && continue
  check "the zip holds $name as installed" cmp -s "$program" "$unzipped/Kestrum-$version/$name"
done
check "the zip holds nothing the installer does not" \
  test "$(cd "$unzipped/Kestrum-$version" && find . -type f | sort)" = \
       "$(cd "$install_dir" && find . -type f ! -name Uninstall.exe ! -name Kestrum.dat ! -name english.lng | sort)"

# 5. A silent uninstall removes the programs and keeps the history. The uninstaller copies
# itself elsewhere and returns at once, so its effects are waited for.
wine "$install_dir/Uninstall.exe" /S >/dev/null 2>&1
check "the programs are removed" wait_for 30 test ! -e "$install_dir/Kestrum.exe" -a ! -e "$install_dir/Tourlet.exe"
check "the Quick Intro's pages are removed" wait_for 30 test ! -e "$install_dir/Tourlet"
check "the help pages are removed" wait_for 30 test ! -e "$install_dir/help"
check "the uninstaller removes itself" wait_for 30 test ! -e "$install_dir/Uninstall.exe"
check "the translators' template the program wrote is removed" test ! -e "$install_dir/english.lng"
check "the history stays" test "$(md5sum <"$history")" = "$before"
check "the Start-menu shortcut is removed" test ! -e "$start_menu/Kestrum.lnk"
check "the installed-programs entry is removed" test -z "$(reg_value "$uninstall_key" DisplayVersion)"
check "the settings stay" test "$(reg_value "$settings_key" FilesSort)" = "0x3"

# 6. Asked to, the uninstaller removes the history and the settings too.
wine "$setup" /S >/dev/null 2>&1
wine "$install_dir/Uninstall.exe" /S /REMOVEHISTORY >/dev/null 2>&1
check "asked to, the history goes too" wait_for 30 test ! -e "$history"
check "asked to, the settings go too" test -z "$(reg_value "$settings_key" FilesSort)"
check "and the emptied folder goes" wait_for 10 test ! -e "$install_dir"

finish
