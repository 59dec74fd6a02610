#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages Calmdesk needs to build, run and test.
# Idempotent: when everything is present it only asks dpkg and returns.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev
  libsqlite3-dev
  # The spelling word list english.dct is made from its American English words.
  wamerican
  # The default text font, "Courier New", is served by its metric twin.
  fonts-liberation
  # The desktop's own file opener and mime database.
  xdg-utils shared-mime-info
  # The end-to-end tests drive the real editor on a virtual display.
  xvfb xauth xdotool xclip
  # The browser's end-to-end test serves its page on 127.0.0.1.
  python3
  # The export tests open the exported files in real readers.
  qpdf poppler-utils pandoc
  # The package's checks: its contents, desktop entry, software-centre data and manual.
  lintian desktop-file-utils appstream man-db groff-base
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
