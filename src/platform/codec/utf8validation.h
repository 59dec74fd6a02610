// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>

namespace calmdesk {

// True when the bytes are well-formed UTF-8 in the strict sense: no overlong forms,
// no encoded surrogates, nothing above U+10FFFF, no truncated sequence. Only such text
// converts to characters and back to the very same bytes.
bool isValidUtf8(QByteArrayView bytes);

} // namespace calmdesk
