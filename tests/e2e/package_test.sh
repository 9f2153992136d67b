#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its control data and its
# contents, then starts the program unpacked from it.
#
#   package_test.sh <build dir>
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
app_id=org.tarvolix.Tarvolix

fail() { echo "FAIL: $*"; exit 1; }

command -v dpkg-shlibdeps >/dev/null || fail "dpkg-shlibdeps missing (package dpkg-dev)"
(cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack -G DEB"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, got: ${debs[*]}"
deb=${debs[0]}
echo "package: $(basename "$deb")"

dpkg-deb -I "$deb" >"$work/info"
cat "$work/info"
field() { sed -n "s/^ $1: //p" "$work/info"; }
[ "$(field Package)" = tarvolix ] || fail "package name"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
# Every library the program links comes from a package the package depends
# on (dpkg-shlibdeps); Qt's French texts are a dependency it cannot see.
depends=$(field Depends | sed 's/ *([^)]*)//g; s/, */\n/g')
need() { grep -qxF "$1" <<<"$depends" || fail "Depends lacks $1 ($2): $(field Depends)"; }
need qt6-translations-l10n "French texts of Qt's dialogs"
need fonts-dejavu-core "proportional interface font"
need fonts-liberation2 "metric equivalent of Arial"
dpkg-deb -x "$deb" "$work/root"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
# The program and the modules it loads on first use (printing, records).
modules=("$work"/root/usr/lib/tarvolix/tarvolix_print.so "$work"/root/usr/lib/tarvolix/tarvolix_pregnancy.so)
for module in "${modules[@]}"; do
  [ -f "$module" ] || fail "the package lacks ${module#"$work/root"}"
done
libraries=$(for elf in "$work/root/usr/bin/tarvolix" "${modules[@]}"; do
  readelf -d "$elf" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; done | sort -u)
[ -n "$libraries" ] || fail "no linked libraries found in the packaged program"
grep -qx 'libsqlcipher\.so.*' <<<"$libraries" || fail "no module of the package links SQLCipher"
for library in $libraries; do
  owner=$(dpkg -S "*/$multiarch/$library" 2>/dev/null | head -n 1 | cut -d: -f1)
  [ -n "$owner" ] || fail "no installed package ships $library"
  need "$owner" "$library"
done

dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$work/files"
for path in /usr/bin/tarvolix /usr/bin/Fiches.gro \
            /usr/share/applications/$app_id.desktop \
            /usr/share/applications/$app_id.Grossesse.desktop \
            /usr/share/applications/$app_id.Medical.desktop \
            /usr/share/metainfo/$app_id.metainfo.xml \
            /usr/share/icons/hicolor/scalable/apps/$app_id.svg \
            /usr/share/icons/hicolor/48x48/apps/$app_id.png; do
  grep -qxF "$path" "$work/files" || fail "the package lacks $path"
done
# Every user copies the empty record file shipped under /usr to a file of their own.
grep -qE '^-rw-r--r-- .* \./usr/bin/Fiches\.gro$' <<<"$(dpkg-deb -c "$deb")" ||
  fail "the shipped record file is not readable by every user"
outside=$(grep -v '^/usr/\?' "$work/files" | grep -v '^/$' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The packaged program starts, the pregnancy calendar from its module too.
for argument in "" /grossesse; do
  set -- ${argument:+"$argument"}
  output=$(cd "$work" && HOME=$work/home QT_QPA_PLATFORM=offscreen TARVOLIX_EXEC_NS=1 \
           timeout 60 "$work/root/usr/bin/tarvolix" "$@" 2>&1) ||
    fail "the packaged program does not start with \"$argument\": $output"
  grep -q '^startup_ns=' <<<"$output" || fail "the packaged program shows no window with \"$argument\": $output"
done
echo "PASS: $(basename "$deb")"
