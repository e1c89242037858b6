#!/usr/bin/env bash
# Builds the programs and makes what a Windows user installs: a per-user installer and a
# portable zip of the same files, both named with the version set in CMakeLists.txt.
#
#   ./package.sh              install what is missing, build, then package
#   ./package.sh --no-build   package what build/windows already holds
#
# Results: build/windows/package/Kestrum-VERSION-setup.exe and Kestrum-VERSION-portable.zip.
set -euo pipefail
cd "$(dirname "$0")"
root=$(pwd)
build=$root/build/windows

# What ships, relative to the build's bin folder: the programs and the pages they show.
shipped=(Kestrum.exe Tourlet.exe Tourlet help)

if [ "${1:-}" != "--no-build" ]; then
  scripts/install-deps.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows
fi

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || { echo "package: no version in $build/CMakeCache.txt; build first" >&2; exit 1; }
out=$build/package
stage=$out/Kestrum-$version
rm -rf "$out"
mkdir -p "$stage"

for item in "${shipped[@]}"; do
  [ -e "$build/bin/$item" ] || { echo "package: $build/bin/$item is missing" >&2; exit 1; }
  cp -r "$build/bin/$item" "$stage/"
done
# Debug information stays with the build; a user's copy is stripped.
find "$stage" -name '*.exe' -exec x86_64-w64-mingw32-strip {} \;

# The installer's file lists, made from what was staged so that install and uninstall agree.
files=$out/files.nsh
remove=$out/remove.nsh
: >"$files"
: >"$remove"
(cd "$stage" && find . -type d | sort) | while read -r dir; do
  rel=${dir#.}
  rel=${rel#/}
  target='$INSTDIR'
  [ -z "$rel" ] || target="\$INSTDIR\\${rel//\//\\}"
  echo "SetOutPath \"$target\"" >>"$files"
  (cd "$stage/$dir" && find . -maxdepth 1 -type f | sort) | while read -r file; do
    echo "File \"$stage${rel:+/$rel}/${file#./}\"" >>"$files"
    echo "Delete \"$target\\${file#./}\"" >>"$remove"
  done
done
# Folders deepest first, each only when empty.
(cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
  rel=${dir#./}
  echo "RMDir \"\$INSTDIR\\${rel//\//\\}\"" >>"$remove"
done
echo 'SetOutPath "$INSTDIR"' >>"$files"

makensis -V2 -DVERSION="$version" -DFILES="$files" -DREMOVE="$remove" \
  -DOUTFILE="$out/Kestrum-$version-setup.exe" "$root/installer/kestrum.nsi"
(cd "$out" && zip -qr "Kestrum-$version-portable.zip" "Kestrum-$version")

size() { du -k "$1" | cut -f1; }
echo "package: $out/Kestrum-$version-setup.exe ($(size "$out/Kestrum-$version-setup.exe") KiB)"
echo "package: $out/Kestrum-$version-portable.zip ($(size "$out/Kestrum-$version-portable.zip") KiB)"
echo "package: Kestrum.exe $(size "$stage/Kestrum.exe") KiB"
