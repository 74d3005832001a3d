#!/bin/sh
# Makes docs/screenshots/*.png from the real window (1024 × 768).
# Usage: scripts/screenshots.sh [build folder]   (default: build)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake --build "$build" --target lumaroo_screenshots
export QTWEBENGINE_DISABLE_SANDBOX=1
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu
export QT_WEBVIEW_PLUGIN=webengine
# A virtual X display gives the web view the same rendering as a desktop.
xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$build/tests/ui/lumaroo_screenshots" "$root/docs/screenshots"
