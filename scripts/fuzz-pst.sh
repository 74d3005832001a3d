#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Damages copies of real PST files at random (1, 4, 16 or 64 bytes after the
# 512-byte header, seeded; .ost copies get 1, 2 or 4 flipped bits instead)
# and runs `lumaroo-cli list` and `convert` on each,
# counting crashes (killed by a signal) and hangs (over the time limit).
# Crashing copies are kept in the work folder as crash-SEED-CODE.pst.
# Each copy is also walked by libpst alone (scripts/libpst-walk.cpp): messages
# libpst parses that `list` neither shows nor counts are lost silently;
# those it counts as damaged, unshown or missing are reported losses.
# With LUMAROO_FUZZ_RTF=1 the copies are instead mailboxes written by pstgen
# (beside CLI in the build tree, or LUMAROO_PSTGEN) whose mails, appointment
# and contact keep their bodies only as RTF, damaged at random: flipped and
# inserted bytes, deep nesting, huge \bin lengths, cut escapes, endless
# control words, and compressed values whose header sizes lie; each mail is
# shown with `show`, and the file converted.
# usage: scripts/fuzz-pst.sh CLI [FIRST_SEED] [COUNT] [WORKDIR]
set -uo pipefail
cli=${1:?usage: fuzz-pst.sh CLI [FIRST_SEED] [COUNT] [WORKDIR]}
first=${2:-1}
count=${3:-1000}
work=${4:-$(mktemp -d)}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
pst=${LUMAROO_SHARED_DIR:-$root/../shared}/testdata/pst
sources=(
    "$pst/aspose-email__Aspose.Email-for-.NET__Outlook_Outlook.pst"
    "$pst/hughbe__PstReader__hughbe_hughbe_Outlook.pst"
    "$pst/simiden__pst2john__97_outlook_pass12345.pst"
)
# LUMAROO_FUZZ_SOURCES (file names in the shared folder, space-separated)
# replaces the three above; LUMAROO_FUZZ_COMMANDS ("list", "convert" or
# both, the default) chooses the commands run on each copy. The names
# 4k-all-kinds.ost and 4k-mailbox.ost stand for files with 4 KB pages and
# compressed blocks (Outlook 2013 and later), which the shared folder lacks:
# they are written with pstgen (LUMAROO_PSTGEN, else beside the CLI's build).
mkdir -p "$work"
if [ -n "${LUMAROO_FUZZ_SOURCES:-}" ]; then
    sources=()
    pstgen=${LUMAROO_PSTGEN:-$(dirname "$cli")/../../tests/support/pstgen/pstgen}
    for name in $LUMAROO_FUZZ_SOURCES; do
        case $name in
        4k-all-kinds.ost)
            "$pstgen" --preset all-kinds --permute --four-k-pages -o "$work/$name" > /dev/null || exit 2
            sources+=("$work/$name") ;;
        4k-mailbox.ost)
            "$pstgen" --preset mailbox --mails 40 --attachments-per-mail 1 --attachment-kb 12 --body-kb 6 \
                --mails-per-folder 10 --permute --four-k-pages -o "$work/$name" > /dev/null || exit 2
            sources+=("$work/$name") ;;
        *) sources+=("$pst/$name") ;;
        esac
    done
fi
walker=$work/libpst-walk
[ -x "$walker" ] || g++ -O1 -o "$walker" "$root/scripts/libpst-walk.cpp" $(pkg-config --cflags --libs libpst) || exit 2
export HOME=$work/home XDG_DATA_HOME=$work/home/data

mutate() { # SRC DST SEED
    python3 - "$@" <<'PY'
import random, sys
src, dst, seed = sys.argv[1], sys.argv[2], int(sys.argv[3])
random.seed(seed)
data = bytearray(open(src, 'rb').read())
if src.endswith('.ost'):
    for _ in range(random.choice([1, 1, 2, 4])):
        pos = random.randrange(0x200, len(data))
        data[pos] ^= 1 << random.randrange(8)
else:
    for _ in range(random.choice([1, 4, 16, 64])):
        pos = random.randrange(0x200, len(data))
        data[pos] = random.randrange(256)
open(dst, 'wb').write(data)
PY
}

# A pstgen description of damaged RTF bodies for SEED, on stdout.
rtf_description() { # SEED
    python3 - "$1" <<'PY'
import base64, json, random, struct, sys
random.seed(int(sys.argv[1]))
documents = [
    rb"{\rtf1\ansi\ansicpg1252\fromhtml1 \deff0{\fonttbl{\f0 Arial;}{\f1\fcharset128 Gothic;}}{\*\htmltag19 <html>}"
    rb"\htmlrtf {\htmlrtf0 {\*\htmltag64 <p>}text {\f1 \'93\'fa}\u8364? {\*\htmltag84 <a href=\"x\">}link"
    rb"{\*\htmltag92 </a>}\par}\htmlrtf0 {\*\htmltag58 </html>}}",
    rb"{\rtf1\ansi\fromtext {\fonttbl{\f0 Courier;}}\f0 plain\par second\tab line\par}",
    rb"{\rtf1\ansi{\colortbl;\red255\green0\blue0;}\b bold\b0 {\field{\*\fldinst{HYPERLINK \"https://e.org\"}}"
    rb"{\fldrslt site}}\trowd\cellx100\pard\intbl a\cell b\cell\row\pard\par}",
]
inserts = [b"{" * 5000, b"}" * 50, b"\\bin4294967295 ", b"\\bin99999 ", b"\\'", b"\\'4", b"\\", b"\\u-99999999999",
           b"\\uc99999 ", b"\\" + b"x" * 10000 + b" ", b"{\\*\\evil ", b"{\\*\\htmltag1 ", b"\\htmlrtf ", b"\\f99999 ",
           b"\\fcharset999 ", b"\\" + b"9" * 40]
def damage(rtf):
    data = bytearray(rtf)
    for _ in range(random.choice([1, 4, 16])):
        what = random.random()
        pos = random.randrange(len(data) + 1)
        if what < 0.4 and data:
            data[min(pos, len(data) - 1)] = random.randrange(256)
        elif what < 0.8:
            data[pos:pos] = random.choice(inserts)
        else:
            del data[pos:]
    return bytes(data)
def packed(rtf):
    body = bytearray()
    for at in range(0, len(rtf), 8):
        run = rtf[at:at + 8]
        if len(run) < 8:
            break
        body += b"\0" + run
    rest = rtf[len(rtf) - len(rtf) % 8:]
    body += bytes([1 << len(rest)]) + rest + struct.pack(">H", ((207 + len(rtf)) % 4096) << 4)
    kind = random.choice([b"LZFu", b"MELA"])
    if kind == b"MELA":
        body = bytearray(rtf)
    stated, raw = len(body) + 12, len(rtf)
    lie = random.random()
    if lie < 0.2:
        raw = random.choice([0, 1, 0xFFFFFFFF, raw * 1000])
    elif lie < 0.4:
        stated = random.choice([0, 3, 0xFFFFFFFF, stated // 2])
    elif lie < 0.5:
        body = body[:random.randrange(len(body) + 1)]
    return struct.pack("<II", stated, raw) + kind + b"\0\0\0\0" + bytes(body)
def message(kind, subject):
    rtf = damage(random.choice(documents))
    item = {"kind": kind, "subject": subject, "start": "2024-01-01T10:00:00Z", "end": "2024-01-01T11:00:00Z"}
    if random.random() < 0.5:
        item["rtfCompressedBase64"] = base64.b64encode(packed(rtf)).decode()
    else:
        item["rtfBodyBase64"] = base64.b64encode(rtf).decode()
    return item
mails = [message("mail", "Mail %d" % i) for i in range(6)]
others = [message("appointment", "Meeting"), dict(message("contact", "Card"), contact={"file_as": "Card"})]
print(json.dumps({"folders": [{"name": "Inbox", "containerClass": "IPF.Note", "messages": mails},
                              {"name": "Other", "containerClass": "IPF.Note", "messages": others}]}))
PY
}

if [ "${LUMAROO_FUZZ_RTF:-0}" = 1 ]; then
    pstgen=${LUMAROO_PSTGEN:-$(dirname "$cli")/../../tests/support/pstgen/pstgen}
    mkdir -p "$work"
    export HOME=$work/home XDG_DATA_HOME=$work/home/data
    crashes=0 hangs=0 runs=0
    for ((seed = first; seed < first + count; ++seed)); do
        rtf_description "$seed" > "$work/case.json"
        "$pstgen" --json "$work/case.json" -o "$work/case.pst" > /dev/null 2>&1 || { echo "pstgen failed: seed $seed"; continue; }
        commands=("convert")
        for ((i = 0; i < 6; ++i)); do commands+=("show Top of Personal Folders/Inbox/#$i"); done
        commands+=("show Top of Personal Folders/Other/#0" "show Top of Personal Folders/Other/#1")
        for command in "${commands[@]}"; do
            rm -rf "$work/out"
            if [ "$command" = convert ]; then
                timeout 20 "$cli" convert "$work/case.pst" "$work/out" > /dev/null 2>&1
            else
                timeout 20 "$cli" show "$work/case.pst" "${command#show }" > /dev/null 2>&1
            fi
            code=$?
            runs=$((runs + 1))
            if [ $code = 124 ]; then
                hangs=$((hangs + 1))
                echo "hang: seed $seed $command"
                cp "$work/case.json" "$work/hang-$seed.json"
            elif [ $code -ge 128 ]; then
                crashes=$((crashes + 1))
                echo "crash: seed $seed $command code $code"
                cp "$work/case.json" "$work/crash-$seed-$code.json"
            fi
        done
    done
    echo "damaged RTF bodies: runs $runs crashes $crashes hangs $hangs (seeds $first..$((first + count - 1)), work $work)"
    [ $crashes = 0 ] && [ $hangs = 0 ]
    exit
fi

crashes=0 hangs=0 runs=0 walked=0 shown=0 counted=0 silent=0 walkcrashes=0

# Items `list` shows and counts as not shown, from its JSON on stdin.
list_counts() {
    /usr/bin/python3 -c '
import json, sys
try:
    d = json.load(sys.stdin)
except Exception:
    print(0, 0); sys.exit()
shown = sum(len(f["items"]) for f in d.get("folders", []))
counted = len(d.get("damaged", [])) + len(d.get("unshown", [])) + sum(m["count"] for m in d.get("missing", []))
print(shown, counted)'
}
for ((seed = first; seed < first + count; ++seed)); do
    src=${sources[$((seed % ${#sources[@]}))]}
    mutate "$src" "$work/case.pst" "$seed"
    timeout 20 "$walker" "$work/case.pst" > "$work/walk.txt" 2> /dev/null
    walk_code=$?
    for command in ${LUMAROO_FUZZ_COMMANDS:-list convert}; do
        rm -rf "$work/out"
        if [ $command = list ]; then
            timeout 20 "$cli" list "$work/case.pst" > "$work/list.json" 2> /dev/null
        else
            timeout 20 "$cli" convert "$work/case.pst" "$work/out" > /dev/null 2>&1
        fi
        code=$?
        runs=$((runs + 1))
        if [ $code = 124 ]; then
            hangs=$((hangs + 1))
            echo "hang: seed $seed $command ($(basename "$src"))"
            cp "$work/case.pst" "$work/hang-$seed.pst"
        elif [ $code -ge 128 ]; then
            crashes=$((crashes + 1))
            echo "crash: seed $seed $command code $code ($(basename "$src"))"
            cp "$work/case.pst" "$work/crash-$seed-$code.pst"
        elif [ $command = list ] && [ $walk_code = 0 ]; then
            read -r ours reported < <(list_counts < "$work/list.json")
            theirs=$(cat "$work/walk.txt")
            walked=$((walked + theirs)) shown=$((shown + ours)) counted=$((counted + reported))
            if [ $((ours + reported)) -lt "$theirs" ]; then
                silent=$((silent + theirs - ours - reported))
                echo "silent loss: seed $seed: libpst $theirs, shown $ours, counted $reported ($(basename "$src"))"
            fi
        fi
    done
    [ $walk_code -ge 128 ] && [ $walk_code != 124 ] && walkcrashes=$((walkcrashes + 1))
done
echo "runs $runs crashes $crashes hangs $hangs (seeds $first..$((first + count - 1)), work $work)"
echo "libpst alone: $walked messages parsed, crashed on $walkcrashes files; list: $shown shown, $counted counted as not shown, $silent lost silently"
