#include "feeds/seen_articles_file.h"

#include "core/mascot.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

quint64 storedTitlesFingerprint(const MascotState& st) {
    QByteArray titles;
    for (int i = 1; i <= kArticleSlots; ++i) {
        titles.append(st.articleTitle[i].toUtf8()).append('\n');
    }
    return SeenArticles::fingerprint(titles);
}

void loadSeenArticles(Mascot& m) {
    m.seenArticles.clear();
    QFile file(m.workDir.filePath(kSeenArticlesFileName));
    // Only a plain file: opening a pipe of that name would wait for ever.
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly)) {
        return;
    }
    // Twice what a full record takes: a runaway file is not read whole.
    constexpr qint64 kMaxBytes = 2 * 17 * (SeenArticles::kDefaultCapacity + 2);
    m.seenArticles.decode(file.read(kMaxBytes), storedTitlesFingerprint(m.st));
}

bool saveSeenArticles(const Mascot& m) {
    QSaveFile file(m.workDir.filePath(kSeenArticlesFileName));
    // In a folder that refuses new files the existing record is rewritten in
    // place; a write cut short there only loses the record, never an article.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const QByteArray bytes = m.seenArticles.encode(storedTitlesFingerprint(m.st));
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
