#include "ui/autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

// Characters that make an Exec argument need quotes.
bool needsQuotes(const QString& arg) {
    for (const QChar c : arg) {
        if (c.isSpace() || QStringLiteral("\"'\\><~|&;$*?#()`").contains(c)) {
            return true;
        }
    }
    return false;
}

// One argument of an Exec line, as a desktop entry's string value writes it.
QString execArgument(const QString& arg) {
    QString quoted = arg;
    if (needsQuotes(arg)) {
        quoted.clear();
        for (const QChar c : arg) {
            if (QStringLiteral("\"`$\\").contains(c)) {
                quoted += u'\\';
            }
            quoted += c;
        }
        quoted = u'"' + quoted + u'"';
    }
    // The value's own escapes come on top of the quoting.
    quoted.replace(u'\\', QStringLiteral("\\\\"));
    quoted.replace(u'%', QStringLiteral("%%"));
    return quoted;
}

// The value of `key` in the entry's main group, or a null string.
QString entryValue(const QByteArray& text, const QByteArray& key) {
    bool inMain = false;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[')) {
            inMain = line == "[Desktop Entry]";
        } else if (inMain && line.startsWith(key)) {
            const QByteArray rest = line.mid(key.size()).trimmed();
            if (rest.startsWith('=')) {
                return QString::fromUtf8(rest.mid(1).trimmed());
            }
        }
    }
    return {};
}

} // namespace

Autostart::Autostart(QString entryPath, QString program)
    : path_(std::move(entryPath)), program_(std::move(program)) {}

Autostart Autostart::forThisProgram() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString self = QCoreApplication::applicationFilePath();
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("sanpo"));
    const bool found = !onPath.isEmpty() &&
                       QFileInfo(onPath).canonicalFilePath() == QFileInfo(self).canonicalFilePath();
    // A file name cannot span lines of the entry; such a binary is found by name.
    const bool usable = !self.contains(u'\n') && !self.contains(u'\r');
    return {config + QStringLiteral("/autostart/sanpo.desktop"),
            found || !usable ? QStringLiteral("sanpo") : self};
}

bool Autostart::enabled() const {
    QFile f(path_);
    if (!f.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray text = f.read(64 * 1024);
    return entryValue(text, "Hidden") != u"true" &&
           entryValue(text, "X-GNOME-Autostart-enabled") != u"false";
}

bool Autostart::setEnabled(bool on) {
    if (!on) {
        QFile::remove(path_);
        return enabled();
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile f(path_);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(entryText(program_).toUtf8());
        f.commit();
    }
    return enabled();
}

QString Autostart::entryText(const QString& program) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=sanpo\n"
                          "Comment=The desktop mascot, back at every login\n"
                          "Exec=%1 --data-folder\n"
                          "Icon=sanpo\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(program));
}
