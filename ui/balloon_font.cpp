#include "ui/balloon_font.h"

#include <QFontDatabase>

#include <array>

namespace {

bool looksSerif(const QString& family) {
    return family.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive) ||
           family.contains(QStringLiteral("明朝")) ||
           family.contains(QStringLiteral("Serif"), Qt::CaseInsensitive);
}

} // namespace

QString pickBalloonFamily(const QStringList& families, const QStringList& japaneseFamilies) {
    const std::array preferred = {QStringLiteral("ＭＳ 明朝"), QStringLiteral("MS Mincho"),
                                  QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝"),
                                  QStringLiteral("Noto Serif CJK JP")};
    for (const QString& wanted : preferred) {
        if (families.contains(wanted, Qt::CaseInsensitive)) {
            return wanted;
        }
    }
    for (const QString& family : japaneseFamilies) {
        if (looksSerif(family)) {
            return family;
        }
    }
    return japaneseFamilies.isEmpty() ? QString() : japaneseFamilies.front();
}

QFont balloonFont(int pixelSize) {
    QFont font;
    const QString family = pickBalloonFamily(QFontDatabase::families(),
                                             QFontDatabase::families(QFontDatabase::Japanese));
    if (!family.isEmpty()) {
        font.setFamilies({family});
    }
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::Serif);
    return font;
}
