# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, from the install rules: `cpack -G DEB` in the build folder makes
# calmdesk_<version>_amd64.deb. Runtime dependencies come from the binaries themselves
# (dpkg-shlibdeps); the default text font's metric twin is added by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME calmdesk)
set(CPACK_PACKAGE_VENDOR "The Calmdesk developers")
set(CPACK_PACKAGE_CONTACT "The Calmdesk developers <developers@calmdesk.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "full-screen, distraction-free writing editor")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://calmdesk.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Courier New's metric twin; Wine's fonts bring a Tahoma for the notes.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wine")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The long description; the summary above is its first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Calmdesk shows one column of text on a dark screen; everything else stays\n\
out of sight until the pointer reaches an edge or a key asks for it.\n\
\n\
It keeps goals for characters, words, paragraphs and pages with a deadline,\n\
a writing timer that counts only typing time, backup points, auto-save and\n\
crash recovery, a dated diary, auto-correct, auto-text and spelling, online\n\
look-ups, notes, a small web browser, and exports to RTF, HTML and PDF.")

include(CPack)
