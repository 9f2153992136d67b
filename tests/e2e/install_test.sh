#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the layout, the desktop
# entries, the icons and the AppStream metainfo, then starts the installed
# program once for each first window.
#
#   install_test.sh <build dir>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
app_id=org.tarvolix.Tarvolix

fail() { echo "FAIL: $*"; exit 1; }

env -u DESTDIR cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
  { cat "$work/install.log"; fail "cmake --install"; }

[ -x "$prefix/bin/tarvolix" ] || fail "no executable bin/tarvolix"
# The program looks for its record file in its own folder.
[ -s "$prefix/bin/Fiches.gro" ] || fail "no record file beside the executable"
[ -s "$prefix/bin/Tarvolix.html" ] || fail "no help file beside the executable"
# Printing and the pregnancy calendar are modules the program loads on first use.
for module in tarvolix_print tarvolix_pregnancy; do
  [ -f "$prefix/lib/tarvolix/$module.so" ] || fail "no module lib/tarvolix/$module.so"
  ! ldd "$prefix/lib/tarvolix/$module.so" | grep -q 'not found' || fail "$module.so has unresolved libraries"
done
! readelf -d "$prefix/bin/tarvolix" | grep -qE 'sqlcipher|libcrypto|PrintSupport' ||
  fail "the program itself links a library only its modules need"
if readelf -d "$prefix/bin/tarvolix" | grep -E 'R(UN)?PATH' | grep -qF "$(cd "$build" && pwd)"; then
  fail "the installed program still looks for libraries in the build folder"
fi
! ldd "$prefix/bin/tarvolix" | grep -q 'not found' || fail "unresolved libraries: $(ldd "$prefix/bin/tarvolix" | grep 'not found')"

# Desktop entries: name, command line.
check_entry() {
  local file=$prefix/share/applications/$1 name=$2 exec=$3
  [ -f "$file" ] || fail "no desktop entry $1"
  grep -qxF "Name=$name" "$file" || fail "$1: Name is not \"$name\""
  grep -qxF "Exec=$exec" "$file" || fail "$1: Exec is not \"$exec\""
  grep -qxF "Icon=$app_id" "$file" || fail "$1: not our icon"
  desktop-file-validate "$file" || fail "$1 is not a valid desktop entry"
  local program=${exec%% *}
  [ -x "$prefix/bin/$program" ] || fail "$1 starts \"$program\", which is not installed"
}
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate missing (package desktop-file-utils)"
check_entry $app_id.desktop "Tarvolix" "tarvolix"
check_entry $app_id.Grossesse.desktop "Calendrier de la grossesse" "tarvolix /grossesse"
check_entry $app_id.Medical.desktop "Calculs médicaux" "tarvolix /médical"

# Icons: the scalable one and each PNG at its own size.
[ -s "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" ] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -s "$png" ] || fail "no ${size}x${size} icon"
  # PNG header: width and height are the big-endian words at bytes 16 and 20.
  read -r w h < <(od -An -j16 -N8 -tu1 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x${size} icon is ${w}x${h}"
done

command -v appstreamcli >/dev/null || fail "appstreamcli missing (package appstream)"
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch the calculator's desktop entry"

# The installed program starts each first window. The start-up probe makes it
# report its first exposed window and quit.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
for argument in "" /grossesse /médical; do
  set -- ${argument:+"$argument"}
  output=$(cd "$work" && TARVOLIX_EXEC_NS=1 timeout 60 "$prefix/bin/tarvolix" "$@" 2>&1) ||
    fail "the installed program failed to start with \"$argument\": $output"
  grep -q '^startup_ns=' <<<"$output" || fail "no window shown with \"$argument\": $output"
done
echo "PASS: installation in $prefix"
