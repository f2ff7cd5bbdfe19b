#include "feeds/kiji_hiraku.h"

#include "core/mascot.h"

#include <QUrl>

bool isOpenableLink(QStringView link) {
    if (link.isEmpty() || link.startsWith(u'-')) {
        return false;
    }
    const QUrl url(link.toString(), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

void KijiHiraku(Mascot& m, const QString& url) {
    const QString link = url.trimmed();
    if (!isOpenableLink(link)) {
        return;
    }
    // The encoded form has no spaces and starts with the scheme: the
    // browser gets exactly one argument that cannot pass for an option.
    const QString address = QUrl(link, QUrl::TolerantMode).toString(QUrl::FullyEncoded);
    const QString browser = m.st.browserPath.trimmed();
    if (!browser.isEmpty() && m.platform.startProgram(browser, {address})) {
        return;
    }
    m.platform.openUrl(address);
}
