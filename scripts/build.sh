#!/usr/bin/env bash
# Configures (once) and builds one build folder. Usage: build.sh BUILD_DIR [cmake options...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
if [ ! -f "$dir/build.ninja" ]; then
  cmake -S "$here" -B "$dir" -G Ninja "$@"
fi
cmake --build "$dir" -j "$(nproc)"
