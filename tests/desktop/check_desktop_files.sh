#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The desktop files as a desktop sees them: the file type installed into a
# private data folder recognises a PST by name (any case, .pst and .ost) and
# by content, and the desktop entry and AppStream data pass their validators.
# usage: check_desktop_files.sh SOURCE_DIR SHARED_DIR
set -euo pipefail
src=${1:?source folder}
pst=${2:?shared folder}/testdata/pst/emk__pstsdk__sample1.pst
[ -f "$pst" ] || { echo "the shared PST files are missing: $pst" >&2; exit 1; }
desktop=$src/resources/desktop
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }

export XDG_DATA_HOME=$work/data XDG_DATA_DIRS=/usr/share HOME=$work
mkdir -p "$XDG_DATA_HOME/mime/packages"
cp "$desktop/com.tavrel.Lumaroo.mime.xml" "$XDG_DATA_HOME/mime/packages/com.tavrel.Lumaroo.xml"
update-mime-database "$XDG_DATA_HOME/mime"

# name -> what it must resolve to
mkdir -p "$work/files"
declare -A expected=(
    [mailbox.pst]=application/vnd.ms-outlook-pst
    [MAILBOX.PST]=application/vnd.ms-outlook-pst
    [offline.ost]=application/vnd.ms-outlook-pst
    [renamed-without-suffix]=application/vnd.ms-outlook-pst
)
for name in "${!expected[@]}"; do
    cp "$pst" "$work/files/$name"
done
printf 'plain text\n' > "$work/files/not-a-pst.pst.txt"
expected[not-a-pst.pst.txt]=text/plain
for name in "${!expected[@]}"; do
    got=$(gio info -a standard::content-type "$work/files/$name" | sed -n 's/.*standard::content-type: //p')
    [ "$got" = "${expected[$name]}" ] || fail "gio: $name is $got, expected ${expected[$name]}"
done
got=$(cd "$work/files" && xdg-mime query filetype mailbox.pst)
[ "$got" = application/vnd.ms-outlook-pst ] || fail "xdg-mime: mailbox.pst is $got"
grep -q 'application/x-ms-pst application/vnd.ms-outlook-pst' "$XDG_DATA_HOME/mime/aliases" \
    || fail "the alias application/x-ms-pst is missing"
for lang in de es fr it ja pt; do
    grep -q "<comment xml:lang=\"$lang\">" "$XDG_DATA_HOME/mime/application/vnd.ms-outlook-pst.xml" \
        || fail "no $lang comment for the file type"
done

desktop-file-validate "$desktop/com.tavrel.Lumaroo.desktop" || fail "desktop-file-validate"
grep -q '^MimeType=application/vnd.ms-outlook-pst;$' "$desktop/com.tavrel.Lumaroo.desktop" \
    || fail "the desktop entry does not list the file type"
appstreamcli validate --no-net --strict "$desktop/com.tavrel.Lumaroo.metainfo.xml" || fail "appstreamcli validate"
exit $failed
