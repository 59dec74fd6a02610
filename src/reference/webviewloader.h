// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace calmdesk {

class WebViewFactory;

// Where the web engine module is looked for: the folder named by CALMDESK_WEBVIEW_DIR when
// that is set (tests, benchmarks), else beside the program, then the installed module folder.
QStringList webViewModuleCandidates();

// Loads the first module found; nothing, with the reason in `error`, when none loads. The
// module stays loaded for the rest of the run.
WebViewFactory *loadWebViewFactory(QString *error = nullptr);

} // namespace calmdesk
