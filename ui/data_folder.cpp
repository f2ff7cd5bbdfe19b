#include "ui/data_folder.h"

#include <QDir>
#include <QFile>

#include <filesystem>
#include <system_error>

std::optional<QString> dataFolderPath(const QString& xdgDataHome, const QString& home) {
    QString dataHome;
    if (QDir::isAbsolutePath(xdgDataHome)) {
        dataHome = xdgDataHome;
    } else if (QDir::isAbsolutePath(home)) {
        dataHome = home + QStringLiteral("/.local/share");
    } else {
        return std::nullopt;
    }
    return QDir::cleanPath(dataHome + QStringLiteral("/sanpo"));
}

std::optional<QString> enterFolder(const QString& path) {
    const std::filesystem::path folder(QFile::encodeName(path).toStdString());
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!error) {
        std::filesystem::current_path(folder, error);
    }
    if (error) {
        return QString::fromLocal8Bit(error.message());
    }
    return std::nullopt;
}

std::optional<QString> enterDataFolder() {
    const auto path =
        dataFolderPath(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
    if (!path) {
        return QStringLiteral(
            "sanpo cannot find its data folder: neither XDG_DATA_HOME nor HOME is an absolute "
            "path.");
    }
    if (const auto why = enterFolder(*path)) {
        return QStringLiteral("sanpo cannot use %1 as its data folder: %2.").arg(*path, *why);
    }
    return std::nullopt;
}
