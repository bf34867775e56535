#!/usr/bin/env bash
# Checks the layering of src/ on its #include lines (see ARCHITECTURE.md):
#   - a folder includes only its own headers and those of folders below it
#     (the game's state is in model/, below every subsystem);
#   - below shell/, no file starts a run (calls runScript);
#   - the backends (the Qt host, sound device, HTTP client, headless host)
#     implement the platform's seams: they include only base/, graphics/ and
#     platform/, and only the front ends and main() include them;
#   - the engine (everything below backends/) never includes QtWidgets.
# Usage: tools/check_layering.sh [SRC_DIR]. Prints each violation; exits 1 if any.
set -uo pipefail
src=${1:-"$(dirname "$0")/../src"}
if [ ! -d "$src" ]; then
  echo "layering: no folder $src"
  exit 2
fi

# The layers, bottom to top. Folders on one line are peers and may not include
# each other.
rank() {
  case $1 in
    base) echo 0 ;;
    graphics) echo 1 ;;
    platform) echo 2 ;;
    model) echo 3 ;;
    script) echo 4 ;;
    view) echo 5 ;;
    world) echo 6 ;;
    input | media | online) echo 7 ;;
    shell) echo 8 ;;
    backends) echo 9 ;;
    ui | terminal | check) echo 10 ;;
    app | updater) echo 11 ;;
    *) echo "" ;;
  esac
}
readonly shellRank=8 backendsRank=9 platformRank=2
readonly widgets='^#include <(QtWidgets|QApplication|QWidget|QMainWindow|QMessageBox|QLabel|QPushButton|QLineEdit|QTextBrowser|QPlainTextEdit|QScrollArea|QStackedWidget|QScrollBar)'

violations=0
report() {
  echo "$1"
  violations=$((violations + 1))
}

while IFS= read -r file; do
  relative=${file#"$src"/}
  folder=${relative%%/*}
  own=$(rank "$folder")
  if [ -z "$own" ]; then
    report "$relative: the folder $folder is not in the layering (tools/check_layering.sh, ARCHITECTURE.md)"
    continue
  fi
  while IFS= read -r header; do
    target=${header%%/*}
    [ "$target" = "$header" ] && continue  # a header without a folder: not ours
    their=$(rank "$target")
    [ -z "$their" ] && continue
    [ "$target" = "$folder" ] && continue
    if [ "$folder" = backends ] && [ "$their" -gt "$platformRank" ]; then
      report "$relative: includes $header (a backend sees only base/, graphics/ and platform/)"
    elif [ "$their" -ge "$own" ]; then
      report "$relative: includes $header ($folder may include only folders below it)"
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
  if [ "$own" -lt "$backendsRank" ]; then
    while IFS= read -r line; do
      report "$relative: $line (the engine never includes QtWidgets)"
    done < <(grep -E "$widgets" "$file")
  fi
  if [ "$own" -lt "$shellRank" ] && grep -qE '\brunScript[[:space:]]*\(' "$file"; then
    report "$relative: calls runScript (only shell/ starts runs; return the script to run instead)"
  fi
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) | sort)

if [ "$violations" -gt 0 ]; then
  echo "layering: $violations violation(s)"
  exit 1
fi
echo "layering: no violations"
