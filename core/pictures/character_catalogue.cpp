#include "core/pictures/character_catalogue.h"

#include "core/mascot.h"

QString picturePath(int id) {
    return QStringLiteral(":/characters/%1.bmp").arg(id);
}

void KyaraIchiran(Mascot& m) {
    QStringList& list = m.Settei.Combo3;
    list.clear();
    for (const CharacterInfo& c : kCharacters) {
        list.append(QString::fromUtf16(c.name));
    }
    const int last = static_cast<int>(list.size()) - 1;
    if (m.st.charEntry >= 0 && m.st.charEntry <= last) {
        m.st.charIndex = m.st.charEntry;
    } else {
        // Beyond the list, or negative in a hand-edited file: start afresh.
        m.st.phase = Phase::FirstRunSetup;
    }
}

void GazouYomikomi(Mascot& m) {
    const int index = std::clamp(m.st.charIndex, 0, kCharacterCount - 1);
    // Drawing reads the pixels directly; one fixed format keeps it simple.
    m.CharGazo = QImage(picturePath(bodyPictureId(index))).convertToFormat(QImage::Format_RGB32);
    m.CharEyes = QImage(picturePath(eyePictureId(index))).convertToFormat(QImage::Format_RGB32);
}
