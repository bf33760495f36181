#!/usr/bin/env bash
# Installs what is missing, builds, and starts Tolvane.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "run: no display; starting Tolvane under Xvfb" >&2
    exec xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/tolvane "$@"
fi
exec build/bin/tolvane "$@"
