#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the unit and widget tests
# (offscreen) and the end-to-end test under Xvfb, after the extra checks in scripts/checks/
# (the calendar under sanitizers, a short fuzzing run).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
for check in scripts/checks/*.sh; do
    [[ -e "$check" ]] || continue
    echo "== ${check}"
    bash "$check"
done
# The main suite runs last, so its summary closes the output.
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
