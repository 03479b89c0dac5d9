#!/usr/bin/env bash
# Takes a screenshot of the prediction pool window, with its chart, on a
# 1280 x 1024 virtual screen: the tournament of docs/screenshot.ini as the
# results, and nine friends' predictions made from it (and one damaged file).
# Usage: scripts/screenshot-pool.sh [build-dir] [language 0|1|2] [output.png]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
language=${2:-0}
out=${3:-$here/docs/pool-window.png}
display=:96
# The pool's menu item's letter in each language (View > Prediction pool…).
letters=(p r p)

workdir=$(mktemp -d)
mkdir "$workdir/pool"
cp "$build/brakka" "$workdir/"
{
  printf '[POOL]\r\nFolder=%s\r\n' "$workdir/pool"
  sed "s/^Language=.*/Language=$language/" "$here/docs/screenshot.ini"
} > "$workdir/Brakka.ini"
# Each friend keeps some of the real scores and guesses the others.
python3 - "$here/docs/screenshot.ini" "$workdir/pool" <<'EOF'
import random, sys
source, folder = sys.argv[1], sys.argv[2]
lines = open(source, encoding='utf-8').read().splitlines()
friends = {'Anna': .35, 'Carlos': .55, 'Joe': .2, 'Lucía': .3, 'Marie-Claire': .4, 'Pablo': .15,
           'Sven': .3, 'Thomas': .45, 'Yuki': .25}
for seed, (name, keep) in enumerate(friends.items()):
    rng = random.Random(seed)
    out, knockout = [], False
    for line in lines:
        knockout = knockout or line == '[FINAL 8]'
        key, equals, value = line.partition('=')
        if key.startswith('Game') and not key.endswith('pk') and rng.random() > keep:
            a = rng.randint(0, 3)
            # A guessed knockout score is never level: the real penalties stay.
            b = rng.choice([g for g in range(3) if not knockout or g != a])
            value = '%d-%d' % (a, b)
        out.append(key + equals + value)
    open('%s/%s.ini' % (folder, name), 'w', encoding='utf-8', newline='').write('\r\n'.join(out) + '\r\n')
open(folder + '/damaged.ini', 'w').write('[GROUP A]\r\nGame1=2:1\r\n')
EOF

Xvfb $display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $brakka $wm $xvfb 2>/dev/null || true; rm -rf "$workdir"' EXIT
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
sleep 1
DISPLAY=$display "$workdir/brakka" &
brakka=$!
sleep 3
DISPLAY=$display xdotool key --clearmodifiers alt+v
sleep 0.5
DISPLAY=$display xdotool key "${letters[$language]}"
sleep 2
mkdir -p "$(dirname "$out")"
DISPLAY=$display import -window root "$out"
echo "wrote $out"
