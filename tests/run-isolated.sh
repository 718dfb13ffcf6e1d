#!/usr/bin/env bash
# Runs one test program with a private HOME and private XDG folders, so that no
# test reads or writes a user's real settings. With --xvfb the program gets its
# own virtual X display (1280x1024, or the size given as --xvfb=WIDTHxHEIGHT);
# otherwise it runs on Qt's offscreen platform.
set -euo pipefail

use_xvfb=0
xvfb_size=1280x1024
case "${1:-}" in
  --xvfb) use_xvfb=1; shift ;;
  --xvfb=*) use_xvfb=1; xvfb_size="${1#--xvfb=}"; shift ;;
esac

tmp="$(mktemp -d "${TMPDIR:-/tmp}/tickwren-test.XXXXXX")"
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/home" "$tmp/config" "$tmp/data" "$tmp/cache" "$tmp/runtime" "$tmp/state"
chmod 700 "$tmp/runtime"

export HOME="$tmp/home"
export XDG_CONFIG_HOME="$tmp/config"
export XDG_DATA_HOME="$tmp/data"
export XDG_CACHE_HOME="$tmp/cache"
export XDG_STATE_HOME="$tmp/state"
export XDG_RUNTIME_DIR="$tmp/runtime"
# No test may reach the user's session bus.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$tmp/runtime/no-session-bus"
# Nor the machine's system bus (the sound engine asks its real-time service there).
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$tmp/runtime/no-system-bus"
unset XDG_CONFIG_DIRS XDG_DATA_DIRS
export LANG=C.UTF-8 LC_ALL=C.UTF-8

here="$(cd "$(dirname "$0")" && pwd)"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:strict_string_checks=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.qpa.*=false}"
# Tests hear nothing: the audio engine runs its silent clock.
export TICKWREN_SILENT_AUDIO="${TICKWREN_SILENT_AUDIO:-1}"

if [ $use_xvfb -eq 1 ]; then
  # The X keyboard library (xkbcommon-x11) strndup()s names that are length-limited
  # but not NUL-terminated; strict string checks would report that as an overflow.
  export ASAN_OPTIONS="${ASAN_OPTIONS//strict_string_checks=1/strict_string_checks=0}"
  unset QT_QPA_PLATFORM
  export QT_QPA_PLATFORM=xcb
  # Xvfb picks a free display number itself and reports it once it accepts
  # connections; choosing numbers by looking at lock files races when several
  # tests start at once and can hand two tests the same server.
  # -noreset: by default the server resets when its last client disconnects, and a
  # connection made during that reset fails (a test that connects twice would flake).
  Xvfb -displayfd 3 -screen 0 "${xvfb_size}x24" -nolisten tcp -noreset \
    3>"$tmp/displayfd" >"$tmp/xvfb.log" 2>&1 &
  xvfb_pid=$!
  trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; rm -rf "$tmp"' EXIT
  for _ in $(seq 1 200); do
    [ -s "$tmp/displayfd" ] && break
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
    sleep 0.05
  done
  if [ ! -s "$tmp/displayfd" ]; then
    echo "run-isolated: the virtual X display did not start" >&2
    cat "$tmp/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$(head -n1 "$tmp/displayfd")"
  "$@"
else
  export QT_QPA_PLATFORM=offscreen
  "$@"
fi
