#include "speech/sound_source.h"

#include <QFileInfo>

std::optional<QString> soundSource(const QDir& workDir, const QString& name) {
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.')) {
        return std::nullopt;
    }
    const QFileInfo own(workDir.filePath(QStringLiteral("SOUND/") + name));
    if (own.isFile()) {
        return own.absoluteFilePath();
    }
    const QString builtIn = QStringLiteral(":/sounds/") + name;
    if (QFileInfo::exists(builtIn)) {
        return builtIn;
    }
    return std::nullopt;
}
