#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build folder and checks it as the archive's tools do:
# its control data and files, lintian (no errors), the desktop entry, the software-centre
# description and the manual page.   Usage: check-package.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
cd "$build"
rm -f calmdesk_*_amd64.deb
cpack -G DEB >/dev/null
deb=$(ls calmdesk_*_amd64.deb)
fail() { echo "check-package: $*" >&2; exit 1; }

info=$(dpkg-deb --info "$deb")
for field in "Package: calmdesk" "Section: editors" "Depends: .*fonts-liberation" \
             "Depends: .*libqt6widgets6" "Depends: .*libsqlite3-0"; do
  grep -q "^ $field" <<<"$info" || fail "control lacks \"$field\""
done
grep -q "postinst\|preinst\|postrm\|prerm" <<<"$info" && fail "the package runs scripts at install time"

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in ./usr/bin/calmdesk ./usr/share/calmdesk/english.dct \
            ./usr/share/applications/calmdesk.desktop \
            ./usr/share/icons/hicolor/scalable/apps/calmdesk.svg \
            ./usr/share/metainfo/org.calmdesk.Calmdesk.metainfo.xml \
            ./usr/share/man/man1/calmdesk.1.gz ./usr/share/doc/calmdesk/copyright; do
  grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
grep -q "calmdesk-webview.so$" <<<"$contents" || fail "the package lacks the browser module"
grep -v "^\./usr/" <<<"$contents" | grep -qv "^\./$" && fail "files outside /usr"

lintian --fail-on error "$deb" || fail "lintian reports errors"
desktop-file-validate "$here/data/calmdesk.desktop"
appstreamcli validate --no-net "$build/data/org.calmdesk.Calmdesk.metainfo.xml" >/dev/null
man -l "$build/data/calmdesk.1.gz" >/dev/null 2>&1 || fail "the manual page does not render"
echo "check-package: $deb ok"
