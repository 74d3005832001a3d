#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Damages copies of real PST files at random (1, 4, 16 or 64 bytes after the
# 512-byte header, seeded) and runs `lumaroo-cli list` and `convert` on each,
# counting crashes (killed by a signal) and hangs (over the time limit).
# Crashing copies are kept in the work folder as crash-SEED-CODE.pst.
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
mkdir -p "$work"
export HOME=$work/home XDG_DATA_HOME=$work/home/data

mutate() { # SRC DST SEED
    python3 - "$@" <<'PY'
import random, sys
src, dst, seed = sys.argv[1], sys.argv[2], int(sys.argv[3])
random.seed(seed)
data = bytearray(open(src, 'rb').read())
for _ in range(random.choice([1, 4, 16, 64])):
    pos = random.randrange(0x200, len(data))
    data[pos] = random.randrange(256)
open(dst, 'wb').write(data)
PY
}

crashes=0 hangs=0 runs=0
for ((seed = first; seed < first + count; ++seed)); do
    src=${sources[$((seed % ${#sources[@]}))]}
    mutate "$src" "$work/case.pst" "$seed"
    for command in list convert; do
        rm -rf "$work/out"
        if [ $command = list ]; then
            timeout 20 "$cli" list "$work/case.pst" > /dev/null 2>&1
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
        fi
    done
done
echo "runs $runs crashes $crashes hangs $hangs (seeds $first..$((first + count - 1)), work $work)"
