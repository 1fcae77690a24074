#include "shell/ZMWebAddresses.h"

#include "platform/ZMProgramDir.h"

#include <QDesktopServices>

QUrl WebAddressUrl(const char* address) {
    const QString text = QString::fromUtf8(address);
    const QUrl url(text);
    if (!url.scheme().isEmpty()) return url;
    return QUrl::fromLocalFile(programFile(text));
}

void OpenWebAddress(const char* address) { QDesktopServices::openUrl(WebAddressUrl(address)); }
