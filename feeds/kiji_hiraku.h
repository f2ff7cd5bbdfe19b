#pragma once

#include <QString>
#include <QStringView>

struct Mascot;

// Returns true for a link that may be handed to a browser: an http or https
// address with a host. Anything else (javascript:, file:, a text beginning
// with "-" that a program would read as an option) is refused.
[[nodiscard]] bool isOpenableLink(QStringView link);

// Opens an article's link: the program in browserPath is started, detached,
// with the link as its only argument; when browserPath is empty, or the
// program cannot be started, the desktop's default browser opens it. A
// refused link or a failure is silent. Callers mark the article read.
void KijiHiraku(Mascot& m, const QString& url);
