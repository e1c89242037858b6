#!/usr/bin/env bash
# Installs what building and testing Kestrum needs on Debian or Ubuntu, and only what is missing.
set -euo pipefail

packages=(cmake ninja-build g++ googletest clang libclang-rt-14-dev g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
          wine wine64 xvfb xauth imagemagick nsis zip unzip)

# The HTML checker the page tests use: the Nu Html Checker's jar from npm, into build/tools
# (its install script only fetches a Java runtime, which the Debian package above provides).
root=$(cd "$(dirname "$0")/.." && pwd)
install_html_checker() {
  [ -f "$root/build/tools/node_modules/vnu-jar/build/dist/vnu.jar" ] && return 0
  echo "Installing the HTML checker (vnu-jar)"
  mkdir -p "$root/build/tools"
  npm install --prefix "$root/build/tools" --ignore-scripts --no-audit --no-fund --silent vnu-jar@26.9.27 >/dev/null
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
# The HTML checker needs Java and npm, from Debian unless the machine has them already.
command -v java >/dev/null || missing+=(default-jre-headless)
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -eq 0 ]; then
  install_html_checker
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
install_html_checker
