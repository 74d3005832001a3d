#!/usr/bin/env bash
# Builds Lumaroo and starts it. With no argument it opens a sample PST file.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${LUMAROO_BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
if [ $# -eq 0 ]; then
  set -- "$root/../shared/testdata/pst/aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst"
fi
exec "$build/src/lumaroo" "$@"
