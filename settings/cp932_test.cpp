#include "settings/cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, ConverterIsAvailable) {
    EXPECT_TRUE(cp932Available());
}

TEST(Cp932, JapaneseAndAsciiRoundTrip) {
    const QString text = QStringLiteral("あなた, \"RSS\" 　全角ＡＢＣ ｶﾀｶﾅ ① 髙");
    const QByteArray bytes = encodeCp932(text);
    EXPECT_FALSE(bytes.contains('?'));
    EXPECT_EQ(decodeCp932(bytes), text);
    EXPECT_EQ(encodeCp932(QStringLiteral("あ")), QByteArray("\x82\xa0"));
}

TEST(Cp932, UnmappableCharactersBecomeQuestionMarks) {
    // Euro sign, an emoji (a surrogate pair), a Hangul syllable.
    EXPECT_EQ(encodeCp932(QStringLiteral("a€b")), QByteArray("a?b"));
    EXPECT_EQ(encodeCp932(QString::fromUtf8("x\xF0\x9F\x98\x80y")), QByteArray("x?y"));
    EXPECT_EQ(decodeCp932(encodeCp932(QStringLiteral("한あ"))), QStringLiteral("?あ"));
}

TEST(Cp932, JisFormsAreWrittenInTheCodePagesForm) {
    const QString jis = QString(QChar(0x301C)) + QChar(0x2016) + QChar(0x2212) + QChar(0x00A2) +
                        QChar(0x00A3) + QChar(0x00AC);
    const QString cp = QString(QChar(0xFF5E)) + QChar(0x2225) + QChar(0xFF0D) + QChar(0xFFE0) +
                       QChar(0xFFE1) + QChar(0xFFE2);
    const QByteArray bytes = encodeCp932(jis);
    EXPECT_FALSE(bytes.contains('?')) << bytes.toHex().constData();
    EXPECT_EQ(bytes, encodeCp932(cp));
    EXPECT_EQ(decodeCp932(bytes), cp);
}

TEST(Cp932, CodecCarriesNothingFromOneTextToTheNext) {
    Cp932Codec codec;
    // 0x82 0x60 is one character; split over two calls it is a broken one
    // followed by an ASCII back quote.
    EXPECT_EQ(codec.decode("\x82\x60"), QStringLiteral("Ａ"));
    EXPECT_FALSE(codec.decode("\x82").contains(QStringLiteral("Ａ")));
    EXPECT_EQ(codec.decode("\x60"), QStringLiteral("`"));
    EXPECT_EQ(codec.encode(QStringLiteral("あ€")), QByteArray("\x82\xa0?"));
    EXPECT_EQ(codec.encode(QStringLiteral("あ")), QByteArray("\x82\xa0"));
    EXPECT_EQ(codec.decode("\x82\xa0"), QStringLiteral("あ"));
}
