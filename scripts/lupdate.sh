#!/usr/bin/env bash
# Brings the translation sources of one area (or of every area) up to date with
# the code: new texts are added for translation, texts no longer in the code
# are dropped, and existing translations are kept.
#
#   bash scripts/lupdate.sh <area>     one area, e.g. frame
#   bash scripts/lupdate.sh            every area
#   cmake --build build-test --target tw_lupdate   the same as the latter
#
# Each area is a folder translations/<area>/ holding a file "lupdate.txt" that
# names the area's own sources by kind, paths relative to the repository root
# (a kind may take several lines):
#   libs <file or folder>...   library texts  -> translations/<area>/libs_<lang>.ts
#   app  <file or folder>...   program texts  -> translations/<area>/TickwrenTrial_<lang>.ts
set -euo pipefail
cd "$(dirname "$0")/.."

LANGUAGES=(de ru es fr hi it pt ko ar zh_CN)
LUPDATE="${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt5/bin/lupdate)}"

update_area() {
  local area="$1" list="translations/$1/lupdate.txt"
  if [ ! -f "$list" ]; then
    echo "no $list" >&2
    return 1
  fi
  # Every line of one kind adds to the same .ts files, so the sources of a kind
  # are gathered first and lupdate runs once for each kind: run line by line,
  # each run would drop the texts of the lines before it.
  local kind rest
  local -a libs_sources=() app_sources=()
  while read -r kind rest; do
    # shellcheck disable=SC2206
    case "$kind" in
      ''|'#'*) continue ;;
      libs) libs_sources+=($rest) ;;
      app) app_sources+=($rest) ;;
      *) echo "$list: unknown kind '$kind'" >&2; return 1 ;;
    esac
  done < "$list"
  run_lupdate "$area" libs ${libs_sources[@]+"${libs_sources[@]}"}
  run_lupdate "$area" TickwrenTrial ${app_sources[@]+"${app_sources[@]}"}
}

# run_lupdate <area> <stem> <sources...>: nothing to do without sources.
run_lupdate() {
  local area="$1" stem="$2"
  shift 2
  [ $# -gt 0 ] || return 0
  for lang in "${LANGUAGES[@]}"; do
    # The include roots let lupdate see the namespaces in the headers.
    "$LUPDATE" -silent -locations none -no-obsolete -I libs/cpp -I . "$@" \
      -ts "translations/$area/${stem}_${lang}.ts"
  done
}

if [ $# -gt 0 ]; then
  for area in "$@"; do update_area "$area"; done
else
  for list in translations/*/lupdate.txt; do
    [ -f "$list" ] || continue
    update_area "$(basename "$(dirname "$list")")"
  done
fi
