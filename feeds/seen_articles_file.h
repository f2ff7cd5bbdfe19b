#pragma once

#include <QString>

struct Mascot;
struct MascotState;

// The record of articles that left the store (feeds/seen_articles.h) is kept
// in its own file beside the data file, so the data file's layout stays as
// it is. It is written with the data file and trusted only while the stored
// titles are those it was written with (an older data file put back, a
// record left from another one): a missing, damaged or stale record reads
// as empty, which costs no stored article.
inline const QString kSeenArticlesFileName = QStringLiteral("jouhou.seen");

// Reads the record that belongs with the articles just loaded into the state.
void loadSeenArticles(Mascot& m);

// Writes the record beside the data file just written. Returns false when it
// could not be written; the old record then stays, and is trusted next time
// only if the stored titles have not changed since it was written.
bool saveSeenArticles(const Mascot& m);

// A fingerprint of the stored titles in their order.
[[nodiscard]] quint64 storedTitlesFingerprint(const MascotState& st);
