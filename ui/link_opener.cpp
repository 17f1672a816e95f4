// SPDX-License-Identifier: MIT
#include "ui/link_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace zq::ui {

void DesktopLinkOpener::OpenHost(const QString& host) {
    // Like a shell's open verb on a bare host: the browser gets an http address. Whether a
    // browser opens is not looked at; a click on a label never shows an error.
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    static_cast<void>(QDesktopServices::openUrl(url));
}

}  // namespace zq::ui
