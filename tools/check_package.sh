#!/usr/bin/env bash
# Checks a built Debian package without installing it system-wide: extracts it
# into a scratch root, looks at its metadata, its licence and its files, lets the
# extracted player play the demo game's first command offscreen, from its own
# installed game, and then update that game from a local server (127.0.0.1 only)
# through the updater installed beside it.
#   tools/check_package.sh PACKAGE.deb
set -euo pipefail
deb=$(realpath "${1:?usage: check_package.sh PACKAGE.deb}")
scratch=$(mktemp -d)
server=""
trap '[ -z "$server" ] || kill "$server" 2>/dev/null; rm -rf "$scratch"' EXIT
fail() { echo "check_package: $*" >&2; exit 1; }

root="$scratch/root"
dpkg -x "$deb" "$root"
depends=$(dpkg-deb -f "$deb" Depends)
# Computed from the programs' libraries (the updater's libzip too), plus what is
# loaded at run time; never a development or test package.
for needed in libqt6widgets6 libqt6multimedia6 libzip4 qt6-qpa-plugins fonts-liberation libcurl4 libsndfile1 libmpg123-0 \
              libjpeg62-turbo libgif7 libqrencode4 libedit2; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed ($depends)"
done
grep -Eq -- '-dev\b|gtest|gmock|benchmark|httplib|pulseaudio\b' <<<"$depends" &&
  fail "the package depends on a build or test package ($depends)"
for file in usr/bin/mirandel usr/bin/mirandel-update usr/share/applications/org.mirandel.mirandel.desktop \
            usr/share/metainfo/org.mirandel.mirandel.metainfo.xml usr/share/man/man6/mirandel.6 \
            usr/share/man/man6/mirandel-update.6 \
            usr/share/icons/hicolor/48x48/apps/mirandel.png usr/share/mirandel/games/mirandel/mirandel.ini \
            usr/share/doc/mirandel/script-guide.md usr/share/doc/mirandel/copyright \
            usr/share/doc/mirandel/LICENSE usr/share/doc/mirandel/COPYING.assets; do
  [ -f "$root/$file" ] || fail "the package lacks /$file"
done
[ -x "$root/usr/bin/mirandel-update" ] || fail "the updater is not executable"
# The licence: the GPL's full text, and a machine-readable copyright file naming
# both licences.
grep -q 'GNU GENERAL PUBLIC LICENSE' "$root/usr/share/doc/mirandel/LICENSE" || fail "LICENSE is not the GPL"
copyright="$root/usr/share/doc/mirandel/copyright"
head -1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "the copyright file is not machine-readable"
for licence in GPL-3.0-or-later CC-BY-SA-4.0; do
  grep -q "^License: $licence" "$copyright" || fail "the copyright file does not name $licence"
done
grep -q 'project_license>GPL-3.0-or-later' "$root/usr/share/metainfo/org.mirandel.mirandel.metainfo.xml" ||
  fail "the metainfo names no project licence"
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

# An update from a local server: on-line play switched on in the player's copy
# of the table (row 104), a version check that offers a package, and the
# download; the player then starts the updater beside itself, which unpacks the
# package into the copy and starts the player again.
copy=$(dirname "$(compgen -G "$scratch/data/mirandel/games/mirandel-*/installed-copy-marker" | head -1)")
awk 'BEGIN { RS = "\r\n"; ORS = "\r\n" } { row[NR] = $0 }
     END { last = NR > 107 ? NR : 107; for (i = 1; i <= last; i++) print (i == 104 ? "*" : row[i]) }' \
  "$copy/mirandel.ini" > "$scratch/table" && mv "$scratch/table" "$copy/mirandel.ini"
www="$scratch/www/mrd2023"
mkdir -p "$www/mrd" "$scratch/package"
printf 'Ok!\r\n' > "$www/ONlstarq.php"
printf '1.1\r\nmirandel.zpp\r\n' > "$www/vrsmrd.txt"
printf 'modo= 0\r\nmsg= Novidade instalada pelo pacote.\r\n' > "$scratch/package/novidade.scx"
# The package password every game's packages share (online/updates.h).
(cd "$scratch/package" && zip -q -P q8m41xw "$www/mirandel.zpp" novidade.scx)
python3 -u -m http.server --bind 127.0.0.1 --directory "$scratch/www" 0 >"$scratch/server.txt" 2>&1 &
server=$!
for _ in $(seq 100); do grep -q 'port [0-9]' "$scratch/server.txt" && break; sleep 0.1; done
port=$(grep -o 'port [0-9]*' "$scratch/server.txt" | head -1 | cut -d' ' -f2)
[ -n "$port" ] || fail "the local server did not start: $(cat "$scratch/server.txt")"
printf 'start\nclick down btAtual\nclick down btDEG\n' > "$scratch/events.txt"
rm -rf "$scratch/dump"
HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen \
  "$root/usr/bin/mirandel" --events "$scratch/events.txt" --server "http://127.0.0.1:$port/" --dump "$scratch/dump" \
  >/dev/null 2>"$scratch/stderr.txt" || fail "the extracted player failed on-line: $(cat "$scratch/stderr.txt")"
[ -f "$copy/mirandel.zpp" ] || fail "the update package was not downloaded: $(cat "$scratch/dump/errors.txt")"
read -r -a updater < "$scratch/dump/opened.txt" || fail "the player started no updater"
[ "${updater[0]}" = "$root/usr/bin/mirandel-update" ] || fail "the player started ${updater[0]}, not its installed updater"
# The player it starts again plays one more events file, in the updated copy.
printf 'run novidade\n' > "$scratch/events.txt"
rm -rf "$scratch/dump"
HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" QT_QPA_PLATFORM=offscreen "${updater[@]}" \
  >/dev/null 2>"$scratch/stderr.txt" || fail "the update failed: $(cat "$scratch/stderr.txt")"
[ -f "$copy/novidade.scx" ] && [ ! -e "$copy/mirandel.zpp" ] || fail "the updater did not install the package"
grep -q 'Novidade instalada pelo pacote.' "$scratch/dump/msgmd0.txt" || fail "the player started again did not play the update"
echo "check_package: ok ($(basename "$deb"), first command $first, updated from a local server)"
