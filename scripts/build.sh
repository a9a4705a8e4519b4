#!/usr/bin/env bash
# Configures and builds Trelvo into build/; the program folder is build/trelvo/.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default
