#!/usr/bin/env bash
# Checks a built Debian package without installing it system-wide: extracts it
# into a scratch root, looks at its metadata and files, and lets the extracted
# player play the demo game's first command offscreen, from its own installed game.
#   tools/check_package.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "${1:?usage: check_package.sh PACKAGE.deb}")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "check_package: $*" >&2; exit 1; }

root="$scratch/root"
dpkg -x "$deb" "$root"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins fonts-liberation; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed ($depends)"
done
for file in usr/bin/mirandel usr/share/applications/org.mirandel.Mirandel.desktop \
            usr/share/metainfo/org.mirandel.Mirandel.metainfo.xml usr/share/man/man6/mirandel.6 \
            usr/share/icons/hicolor/48x48/apps/mirandel.png usr/share/mirandel/games/mirandel/mirandel.ini \
            usr/share/doc/mirandel/script-guide.md; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
# Installed files belong to root and only root may write them.
dpkg-deb -c "$deb" | grep 'usr/share/mirandel/games/mirandel/mirandel.ini' | grep -q '^-rw-r--r-- root/root' ||
  fail "the installed demo game is not read-only for players"

# The first command of the walkthrough, played by the extracted player.
game="$root/usr/share/mirandel/games/mirandel"
first=$(sed -n '/^```$/,/^```$/p' "$game/WALKTHROUGH.md" | sed -n 2p)
[ -n "$first" ] || fail "no first command in the walkthrough"
touch "$game/installed-copy-marker"
printf 'start\ntype %s\nquit\n' "$first" > "$scratch/events.txt"
HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen \
  "$root/usr/bin/mirandel" --events "$scratch/events.txt" --dump "$scratch/dump" >/dev/null 2>"$scratch/stderr.txt" ||
  fail "the extracted player failed: $(cat "$scratch/stderr.txt")"
compgen -G "$scratch/data/mirandel/games/mirandel-*/installed-copy-marker" >/dev/null ||
  fail "the extracted player did not play its installed demo game"
grep -qx "lastCommand=$first" "$scratch/dump/state.txt" || fail "the command $first was not played"
[ ! -s "$scratch/dump/errors.txt" ] || fail "playing $first showed errors: $(cat "$scratch/dump/errors.txt")"
[ -s "$scratch/dump/screen.png" ] || fail "no window snapshot"
echo "check_package: ok ($(basename "$deb"), first command $first)"
