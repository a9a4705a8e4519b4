#!/usr/bin/env bash
# Quick start: installs what is missing, builds, and runs the whole test suite headless.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/setup.sh"
"$here/build.sh"
cd "$here/.."
QT_QPA_PLATFORM=offscreen ctest --preset default
