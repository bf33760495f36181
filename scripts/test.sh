#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: the unit and widget tests
# (offscreen), the end-to-end test under Xvfb, then the extra checks in scripts/checks/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
for check in scripts/checks/*.sh; do
    [[ -e "$check" ]] || continue
    echo "== ${check}"
    bash "$check"
done
