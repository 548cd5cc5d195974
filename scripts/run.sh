#!/usr/bin/env bash
# Set-up, build and start the browser.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
# Qt WebEngine's sandbox cannot run as root.
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
exec build/zelvo-browser "$@"
