#!/usr/bin/env bash
# Fails on an include that hides where a header comes from, or that reaches into
# another library's private headers:
#  - a bare name ("Foo.h") for a header that is not in the including file's own
#    folder, or a relative path ("../Foo.h");
#  - an include path that names no header of the tree ("ZEDireroz/Foo.h" when
#    the header lives in ZEDireroz/frame/);
#  - an internal header ("*Internal.h", "*_p.h") included from another library
#    folder (tests, benchmarks and fuzz harnesses may use their library's);
#  - an include against the direction of the dependencies: a library or the
#    platform layer including a header of the program (app/), or the platform
#    layer including one of the libraries built on it (libs/).
# Usage: check-includes.sh <source root>
set -euo pipefail
root="${1:?usage: check-includes.sh <source root>}"
cd "$root"

if [ -e .git ] && command -v git >/dev/null; then
  files=$(git ls-files '*.cpp' '*.h')
else
  files=$(find . \( -path './build*' -o -path './.*' \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||')
fi

# One pass: the list of files first, then every quoted include as "file:line:text".
{
  printf '%s\n' "$files" | sed 's/^/FILE /'
  printf '%s\n' "$files" | xargs grep -Hn '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' || true
} | awk '
  function dirname(p) { return p ~ /\// ? substr(p, 1, match(p, /\/[^\/]*$/) - 1) : "." }
  function basename(p) { sub(/.*\//, "", p); return p }
  # Library code, as opposed to the tests, benchmarks and fuzz harnesses that use it.
  function is_library(p) { return p ~ /^(libs|platform|app|assets)\// }
  function fail(file, line, text) { print file ":" line ": " text; ++failures }
  # The file an included path names, by the include roots of the build: libs/cpp,
  # the source root and tests/ (for TestSupport); empty when there is none.
  function resolve(path) {
    if (("libs/cpp/" path) in exists) return "libs/cpp/" path
    if (path in exists) return path
    if (("tests/" path) in exists) return "tests/" path
    return ""
  }
  /^FILE / { exists[substr($0, 6)] = 1; next }
  {
    file = $0; sub(/:.*/, "", file)
    rest = substr($0, length(file) + 2)
    line = rest; sub(/:.*/, "", line)
    included = rest; sub(/^[^"]*"/, "", included); sub(/".*/, "", included)
    name = basename(included)
    # Made at build time: moc output and the like.
    if (name ~ /\.moc$|^moc_.*\.cpp$|^ui_.*\.h$|^qrc_.*\.cpp$/) next
    dir = dirname(file)
    if (included ~ /^\.\.?\//) {
      fail(file, line, "includes \"" included "\" by a relative path; include it by its library path")
      next
    }
    if (included ~ /\//) {
      target = resolve(included)
      if (target == "") {
        fail(file, line, "includes \"" included "\", which is no header of the tree")
        next
      }
    } else {
      target = (dir == "." ? included : dir "/" included)
      if (!(target in exists)) {
        fail(file, line, "includes \"" included "\" by a bare name from another folder; include it by its library path")
        next
      }
    }
    if (file ~ /^(libs|platform)\// && target ~ /^app\//)
      fail(file, line, "includes \"" included "\", a header of the program, which depends on the libraries and not the other way")
    if (file ~ /^platform\// && target ~ /^libs\//)
      fail(file, line, "includes \"" included "\", a library built on the platform layer")
    if (name ~ /(Internal|_p)\.h$/ && is_library(file) && dirname(target) != dir)
      fail(file, line, "includes \"" included "\", a header internal to " dirname(target))
  }
  END {
    if (failures) { print failures " include(s) to fix"; exit 1 }
    print "every include names its library"
  }'
