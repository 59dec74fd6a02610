#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up this Debian 12 machine, builds Calmdesk and starts it, passing arguments on.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup-debian.sh"
# Only what the editor needs: the program, its word list and its browser module.
"$here/scripts/build.sh" "$here/build" --targets "calmdesk calmdesk_dictionary calmdesk_webview" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
exec "$here/build/src/app/calmdesk" "$@"
