#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up this Debian 12 machine, builds Calmdesk twice (plain, and with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs every test of both builds through ctest.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup-debian.sh"

"$here/scripts/build.sh" "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
"$here/scripts/build.sh" "$here/build-asan" -DCMAKE_BUILD_TYPE=Debug -DCALMDESK_SANITIZE=ON \
  -DCALMDESK_BUILD_BENCH=OFF

status=0
for dir in build build-asan; do
  echo "== ctest in $dir"
  (cd "$here/$dir" && ctest --output-on-failure -j "$(nproc)") || status=1
done
exit $status
