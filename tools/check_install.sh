#!/usr/bin/env bash
# Installs a build tree into a scratch prefix and checks what a desktop expects of
# it: the desktop entry validates and the AppStream metainfo validates even
# pedantically, the icon is there in every size, the updater lies beside the
# player, both man pages format without warnings and the player's names every
# option of --help (and only those), the licences are installed, and the
# installed player finds its installed demo game and checks it clean.
#   tools/check_install.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: check_install.sh BUILD_DIR}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check_install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
share="$scratch/usr/share"
desktop-file-validate "$share/applications/org.mirandel.mirandel.desktop" || fail "the desktop entry does not validate"
metainfo="$share/metainfo/org.mirandel.mirandel.metainfo.xml"
findings=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "the metainfo does not validate: $findings"
grep -q '^[EWIP]: ' <<<"$findings" && fail "the metainfo has findings: $findings"
grep -q '@[A-Z_]*@' "$metainfo" && fail "the metainfo has an unfilled placeholder"
# Every screenshot it names is in the repository, at the size it gives.
source=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
while read -r width height name; do
  shot="$source/data/screenshots/$name"
  file "$shot" | grep -q "PNG image data, $width x $height" || fail "the screenshot $name is not a $width x $height picture"
done < <(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">.*/data/screenshots/\([^<]*\)</image>.*|\1 \2 \3|p' "$metainfo")
[ "$(grep -c '<screenshot' "$metainfo")" -ge 1 ] || fail "the metainfo shows no screenshot"
for size in 16 22 24 32 48 64 128 256 512; do
  icon="$share/icons/hicolor/${size}x${size}/apps/mirandel.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "the ${size}x${size} icon has another size"
done
[ -f "$share/mirandel/games/mirandel/mirandel.ini" ] || fail "the demo game is not installed"
[ -f "$share/doc/mirandel/script-guide.md" ] || fail "the script guide is not installed"
[ -x "$scratch/usr/bin/mirandel-update" ] || fail "the updater is not installed beside the player"
# The sound device the player opens on its first sound, where the installed player looks for it.
module=$(find "$scratch/usr/lib" -path '*/mirandel/libmirandel_sound.so' 2>/dev/null | head -1)
[ -n "$module" ] || fail "the sound module is not installed"
nm -D --defined-only "$module" | grep -q ' mirandel_new_sound_device$' || fail "the sound module makes no sound device"
for licence in LICENSE COPYING.assets copyright; do
  [ -s "$share/doc/mirandel/$licence" ] || fail "the licence file $licence is not installed"
done
grep -q 'GNU GENERAL PUBLIC LICENSE' "$share/doc/mirandel/LICENSE" || fail "LICENSE is not the GPL"
grep -q 'Attribution-ShareAlike 4.0 International' "$share/doc/mirandel/COPYING.assets" ||
  fail "COPYING.assets does not hold the CC BY-SA 4.0 licence"

for page in mirandel mirandel-update; do
  man="$share/man/man6/$page.6"
  [ -f "$man" ] || fail "no man page $page.6"
  warnings=$(groff -man -ww -z "$man" 2>&1) || true
  [ -z "$warnings" ] || fail "the man page $page.6 has formatting warnings: $warnings"
  grep -q '@[A-Z_]*@' "$man" && fail "the man page $page.6 has an unfilled placeholder"
done
man="$share/man/man6/mirandel.6"
# The options of --help and of the man page's OPTIONS section are the same set.
help_options=$(QT_QPA_PLATFORM=offscreen "$scratch/usr/bin/mirandel" --help | grep -o -- '--[a-z-]*' | sort -u)
man_options=$(sed -n '/^\.SH OPTIONS/,/^\.SH /p' "$man" | sed -e 's/\\f[BIRP]//g' -e 's/\\//g' | grep -o -- '--[a-z-]*' | sort -u)
[ "$help_options" = "$man_options" ] ||
  fail "the man page and --help name different options: $(diff <(echo "$help_options") <(echo "$man_options") | grep '^[<>]' | tr '\n' ' ')"

# A marker only the installed game has: the per-user copy must be made from it.
touch "$share/mirandel/games/mirandel/installed-copy-marker"
printf 'start\nquit\n' > "$scratch/events.txt"
HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen \
  "$scratch/usr/bin/mirandel" --events "$scratch/events.txt" >/dev/null 2>"$scratch/stderr.txt" ||
  fail "the installed player failed: $(cat "$scratch/stderr.txt")"
compgen -G "$scratch/data/mirandel/games/mirandel-*/installed-copy-marker" >/dev/null ||
  fail "the installed player did not play its installed demo game"
# The installed player checks its own demo game clean.
QT_QPA_PLATFORM=offscreen "$scratch/usr/bin/mirandel" --check >"$scratch/check.txt" 2>&1 ||
  fail "the installed demo game does not check clean: $(cat "$scratch/check.txt")"
echo "check_install: ok"
