#!/usr/bin/env bash
# Quick start: installs what is missing, builds, and starts Trelvo on the bundled sample bank.
# Without a display (no $DISPLAY), the program runs inside a virtual X server (xvfb-run).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/setup.sh"
"$here/build.sh"
program="$here/../build/trelvo/trelvo"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$program" "$@"
else
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$program" "$@"
fi
