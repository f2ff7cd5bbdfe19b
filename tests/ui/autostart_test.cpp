#include "ui/autostart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void write(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

TEST(AutostartTest, ExecQuotesAnUnusualPathAsDesktopEntriesEscapeIt) {
    const QString text = Autostart::entryText(QStringLiteral("/opt/my apps/50%$\\sanpo"));
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"/opt/my apps/50%%\\\\$\\\\\\\\sanpo\" "
                                             "--data-folder\n")))
        << qPrintable(text);
    EXPECT_TRUE(Autostart::entryText(QStringLiteral("sanpo"))
                    .contains(QStringLiteral("\nExec=sanpo --data-folder\n")));
}

TEST(AutostartTest, TheStateIsWhatTheFileSays) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("autostart/sanpo.desktop"));
    Autostart a(path, QStringLiteral("sanpo"));
    EXPECT_FALSE(a.enabled());
    EXPECT_TRUE(a.setEnabled(true)) << "the folder is made";
    EXPECT_TRUE(a.enabled());

    // Switched off by hand, the desktop's way.
    write(path, "[Desktop Entry]\nType=Application\nExec=sanpo\nHidden = true\n");
    EXPECT_FALSE(a.enabled());
    write(path, "[Desktop Entry]\nExec=sanpo\n[Other]\nHidden=true\n");
    EXPECT_TRUE(a.enabled()) << "only the entry's own group counts";
    EXPECT_FALSE(a.setEnabled(false));
    EXPECT_FALSE(QFile::exists(path));

    // A file where the folder should be: nothing written, shown as off.
    write(dir.filePath(QStringLiteral("blocked")), "x");
    Autostart blocked(dir.filePath(QStringLiteral("blocked/sanpo.desktop")),
                      QStringLiteral("sanpo"));
    EXPECT_FALSE(blocked.setEnabled(true));
}

} // namespace
