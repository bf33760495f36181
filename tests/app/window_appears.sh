#!/usr/bin/env bash
# End to end: the real program starts under Xvfb, its window "Tolvane" appears on the screen and
# stays up. The program is then stopped by a signal, so no close event opens a browser.
set -euo pipefail
program=$1
if [[ "${XVFB_WRAPPED:-}" != 1 ]]; then
    export XVFB_WRAPPED=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM
export BROWSER=true # should anything ask for a browser, it gets a command that does nothing
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

for _ in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Tolvane"'; then
        break
    fi
    kill -0 "$pid" 2>/dev/null || { echo "tolvane exited before its window appeared" >&2; exit 1; }
    sleep 0.1
done
xwininfo -root -tree | grep -q '"Tolvane"' || { echo "no window \"Tolvane\" appeared within 10 s" >&2; exit 1; }
xwininfo -name Tolvane | grep -E 'Width|Height'
sleep 2
kill -0 "$pid" 2>/dev/null || { echo "tolvane did not stay up" >&2; exit 1; }
xwininfo -name Tolvane -stats | grep -q 'IsViewable' || { echo "the window is not shown" >&2; exit 1; }
echo "window \"Tolvane\" appeared and stayed up"
