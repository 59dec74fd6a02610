#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the browser costs a writer who never opens it: start-up and idle memory of the
# editor with the browser built in (NEW) against a build without it (OLD), measured from
# outside in turns, on an empty and a 100,000-word document.
#   bench/window/browser-cost.sh NEW_PROGRAM OLD_PROGRAM [ROUNDS]
# NEW_PROGRAM is build/src/app/calmdesk; OLD_PROGRAM a build of the commit before the
# browser (git worktree add --detach /tmp/old <commit>, then build its calmdesk target).
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
bench=$here/../shared/tools/editor-bench
new=$(realpath "$1")
old=$(realpath "$2")
rounds=${3:-3}
out=$(mktemp -d /tmp/browser-cost.XXXXXX)
for _ in $(seq 1 "$rounds"); do
  "$bench/editor-bench.sh" --name with-browser --out "$out" --append --plan ${PLAN:-0x1,100kx1} \
    --type-chars 0 -- "$new" %FILE%
  "$bench/editor-bench.sh" --name without-browser --out "$out" --append --plan ${PLAN:-0x1,100kx1} \
    --type-chars 0 -- "$old" %FILE%
done
"$bench/make-report.py" "$out"/*.json -o "$out/compare.md"
cat "$out/compare.md"
