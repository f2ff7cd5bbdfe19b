#include "settings/cp932.h"
#include "settings/cp932_stand_in.h"

#include <QStringList>

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

namespace {

QString stored(const QString& text) {
    return decodeCp932(encodeCp932(text));
}

} // namespace

TEST(Cp932, MissingLettersAndPunctuationTakeTheNearestTheCodePageHas) {
    EXPECT_EQ(stored(QStringLiteral("Israel dá três meses")),
              QStringLiteral("Israel da tres meses"));
    EXPECT_EQ(stored(QStringLiteral("Müller – „Straße“ — Œuvre ½ « Łódź » Ørsted’s")),
              QStringLiteral("Muller - “Strasse“ ― OEuvre 1/2 ≪ Lodz ≫ Orsted’s"));
    // Accents written as separate marks, and a sound mark that composes.
    EXPECT_EQ(stored(QStringLiteral("Cafe\u0301 \u304B\u3099")), QStringLiteral("Cafe が"));
    // What the code page has is never replaced by a stand-in.
    EXPECT_EQ(stored(QStringLiteral("‐―“”‘’・…×°")), QStringLiteral("‐―“”‘’・…×°"));
}

TEST(Cp932, OneQuestionMarkPerCharacterAsTheReaderSeesIt) {
    // A family (three emoji joined), a flag, a thumb with a skin tone, a red
    // heart with its emoji selector, two Hangul syllables.
    EXPECT_EQ(stored(QString::fromUtf8("a\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D"
                                       "\xF0\x9F\x91\xA7"
                                       "b\xF0\x9F\x87\xAF\xF0\x9F\x87\xB5"
                                       "c\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD"
                                       "d\xE2\x9D\xA4\xEF\xB8\x8F"
                                       "e\xED\x95\x9C\xEA\xB5\xAD")),
              QStringLiteral("a?b?c?d?e??"));
    // Invisible characters go, beside a mapped character or not; a keycap
    // keeps its digit.
    EXPECT_EQ(stored(QStringLiteral("x\u200By\u200Dz\uFEFF\u2060 ☆\uFE0F 1\uFE0F\u20E3")),
              QStringLiteral("xyz ☆ 1"));
}

TEST(Cp932, ABatchOfLinesConvertsAsEachLineAlone) {
    QStringList lines;
    for (int i = 0; i < 300; ++i) {
        lines << QStringLiteral("見出し%1").arg(i);
    }
    lines[7] = QString::fromUtf8("vers\xC3\xA3o \xF0\x9F\x98\x80\xE2\x80\x8D!");
    lines[150] = QStringLiteral("é");
    lines[299] = QStringLiteral("終わり—");
    QStringList expected;
    for (const QString& line : lines) {
        expected << stored(line);
    }
    EXPECT_EQ(expected[7], QStringLiteral("versao ?!"));
    // Control characters the converter stores in another place come back.
    const QString controls = QString(QChar(0x1C)) + QChar(0x1A) + QChar(0x7F);
    EXPECT_EQ(stored(controls + QStringLiteral("é")), controls + QStringLiteral("e"));
    EXPECT_EQ(stored(lines.join(u'\n')), expected.join(u'\n'));
    EXPECT_EQ(stored(lines.join(u'\n') + u'\n'), expected.join(u'\n') + u'\n');
}

TEST(Cp932, EveryStandInIsHeldByTheCodePage) {
    Cp932Codec codec;
    int standIns = 0;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        const std::optional<std::u16string_view> standIn = cp932StandIn(c);
        if (!standIn) {
            continue;
        }
        ++standIns;
        const QString text = QString::fromUtf16(standIn->data(), qsizetype(standIn->size()));
        EXPECT_EQ(codec.decode(codec.encode(text)), text) << "U+" << std::hex << unsigned(c);
        EXPECT_NE(codec.decode(codec.encode(QString::fromUcs4(&c, 1))), QString::fromUcs4(&c, 1))
            << "U+" << std::hex << unsigned(c) << " needs no stand-in";
    }
    EXPECT_GT(standIns, 0);
}
