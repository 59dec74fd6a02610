#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures (once) and builds one build folder, all of it or only the named targets.
# Usage: build.sh BUILD_DIR [--targets "T1 T2 ..."] [cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
targets=()
if [ "${1:-}" = "--targets" ]; then
  read -r -a targets <<<"$2"
  shift 2
fi
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$here" -B "$dir" -G Ninja "$@"
fi
if [ ${#targets[@]} -gt 0 ]; then
  cmake --build "$dir" -j "$(nproc)" --target "${targets[@]}"
else
  cmake --build "$dir" -j "$(nproc)"
fi
