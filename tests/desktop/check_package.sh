#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the .deb from the build folder, unpacks it into a scratch root,
# checks the files landed, runs lumaroo-cli from it and has lintian look at
# it (no errors allowed). Prints the package's size and dependencies.
# usage: check_package.sh BUILD_DIR VERSION
set -euo pipefail
build=${1:?build folder} version=${2:?version}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

(cd "$build" && cpack -G DEB -B "$work/out" > "$work/cpack.log") || { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/out/lumaroo_*.deb)
echo "package: $(basename "$deb"), $(stat -c %s "$deb") bytes"
echo "depends: $(dpkg-deb -f "$deb" Depends)"

dpkg-deb -x "$deb" "$work/root"
for file in \
    usr/bin/lumaroo usr/bin/lumaroo-cli \
    usr/share/applications/com.tavrel.Lumaroo.desktop \
    usr/share/metainfo/com.tavrel.Lumaroo.metainfo.xml \
    usr/share/mime/packages/com.tavrel.Lumaroo.xml \
    usr/share/icons/hicolor/scalable/apps/com.tavrel.Lumaroo.svg \
    usr/share/icons/hicolor/16x16/apps/com.tavrel.Lumaroo.png \
    usr/share/icons/hicolor/512x512/apps/com.tavrel.Lumaroo.png \
    usr/share/man/man1/lumaroo.1.gz usr/share/man/man1/lumaroo-cli.1.gz \
    usr/share/doc/lumaroo/copyright usr/share/doc/lumaroo/user-guide.md; do
    [ -f "$work/root/$file" ] || fail "$file is not in the package"
done
got=$("$work/root/usr/bin/lumaroo-cli" --version)
[ "$got" = "lumaroo-cli $version" ] || fail "the packaged lumaroo-cli says '$got'"
dpkg-deb -f "$deb" Depends | grep -q 'libpst4' || fail "the dependencies do not name libpst"

lintian --no-tag-display-limit "$deb" > "$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -q '^E: ' "$work/lintian.log"; then
    fail "lintian reports errors"
fi
exit $failed
