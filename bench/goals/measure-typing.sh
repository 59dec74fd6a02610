#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# CPU time the whole editor spends per typed key, typed by xdotool at about 25 keys a
# second into the end of an empty, a 10,000-word and a 100,000-word document, with the
# status line, clock and writing timer on. Needs xvfb, xdotool and python3; uses its own
# temporary home. Usage: bench/goals/measure-typing.sh [path/to/calmdesk]
set -euo pipefail
bin=${1:-$(cd "$(dirname "$0")/../.." && pwd)/build/src/app/calmdesk}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import random, sys
random.seed(7)
words = ("the of and a to in is was he for it with as his on be at by had not are but from "
         "or have an they which one you were her all she there would their we him been has "
         "when who will more no if out so said what up its about into than them can only").split()
for n in (0, 10000, 100000):
    paragraphs, count = [], 0
    while count < n:
        k = min(random.randint(50, 300), n - count)
        paragraphs.append(" ".join(random.choice(words) for _ in range(k)) + ".")
        count += k
    with open(f"{sys.argv[1]}/doc{n}.txt", "w") as f:
        f.write("\n".join(paragraphs) + ("\n" if paragraphs else ""))
PY

cat > "$work/run.sh" <<EOF2
set -e
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data
export XDG_STATE_HOME=$work/home/state XDG_RUNTIME_DIR=$work/home/run
mkdir -p \$XDG_RUNTIME_DIR && chmod 700 \$XDG_RUNTIME_DIR
key='Software\\Osmira\\v11\\Settings\\general'
for v in show_status show_word show_char show_para show_page cron_use; do
  "$bin" --reg add "\$key" \$v 1 >/dev/null
done
text=\$(python3 -c "print(('abcde fghij klmno pqrst uvwxy ' * 20)[:500])")
for n in 0 10000 100000; do
  cp $work/doc\$n.txt $work/work.txt
  "$bin" $work/work.txt 2>/dev/null &
  pid=\$!
  sleep 4
  xdotool key --clearmodifiers ctrl+End
  sleep 1
  t0=\$(awk '{print \$14+\$15}' /proc/\$pid/stat)
  xdotool type --delay 40 "\$text"
  t1=\$(awk '{print \$14+\$15}' /proc/\$pid/stat)
  python3 -c "print('words=\$n cpu_ms_per_key=%.2f' % ((\$t1-\$t0)*1000/\$(getconf CLK_TCK)/500))"
  kill -9 \$pid; wait \$pid 2>/dev/null || true
  rm -f \$XDG_RUNTIME_DIR/calmdesk.*
done
EOF2
xvfb-run -a -s "-screen 0 1920x1080x24" bash "$work/run.sh"
