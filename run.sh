#!/usr/bin/env bash
# Sets up this Debian 12 machine, builds Calmdesk and starts it, passing arguments on.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup-debian.sh"
"$here/scripts/build.sh" "$here/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
exec "$here/build/src/app/calmdesk" "$@"
