#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

struct Mascot;

// Name of the file that holds the document being read, in the working
// directory.
inline const QString kTempNewsFileName = QStringLiteral("tempnews.txt");

// Returns the text of the last-fetch time: the date in the system's short
// format, a space, the time in the system's format with seconds.
[[nodiscard]] QString fetchTimeText(const QDateTime& t);

// Reads one downloaded document of the feed at `url` into the article
// store: its new articles go to the head in document order, relative links
// are resolved against `url`, and lastFetchText is set to now. The raw bytes
// stand in "tempnews.txt" while the document is read, written afresh over
// whatever stood under that name (TempNewsFile); a failure to write that
// file changes nothing. Does not save the data file or touch a panel.
void RssKoushin(Mascot& m, const QString& url, const QByteArray& document);
