#include "settings/data_file.h"

#include "core/startup.h"
#include "feeds/feed_text.h"
#include "feeds/seen_articles_file.h"
#include "settings/cp932.h"
#include "tests/support/mascot_fixture.h"

#include <QFile>
#include <QList>
#include <QStringEncoder>

#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QList<QByteArray> lines(const QByteArray& file) {
    QList<QByteArray> out = file.split('\n');
    EXPECT_TRUE(out.last().isEmpty()) << "the last line ends with CR LF";
    out.removeLast();
    for (QByteArray& l : out) {
        EXPECT_TRUE(l.endsWith('\r'));
        l.chop(1);
    }
    return out;
}

// The whole file a first run writes on a 1280 x 800 screen, spelt out.
QByteArray expectedFirstRunFile() {
    QByteArray f;
    auto line = [&f](const QByteArray& l) { f += l + "\r\n"; };
    line("VER011");
    line(encodeCp932(QStringLiteral("あなた")));
    for (const char* n : {" 1 ", " 1 ", " 1 ", " 1 ", " 0 ", " 5 ", " 0 ", " 0 ", " 600 ", " 339 ",
                          " 100 ", " 31 "}) {
        line(n);
    }
    line("");
    line("");
    line(" 11 ");
    for (int i = 0; i < 20; ++i) {
        line("");
    }
    line("");
    for (int i = 0; i < 200; ++i) {
        line("");
        line("");
        line(" 0 ");
        line("");
    }
    return f;
}

class DataFileTest : public MascotTest {};

TEST_F(DataFileTest, FirstRunDefaultsAreWrittenByteForByte) {
    setStoredDefaults(m.st, QSize(1280, 800));
    ASSERT_TRUE(JouhouHozon(m));
    const QByteArray file = readFile(kDataFileName);
    EXPECT_EQ(lines(file).size(), kDataFileLines);
    EXPECT_EQ(file, expectedFirstRunFile());
}

TEST_F(DataFileTest, EveryFieldRoundTrips) {
    MascotState& st = m.st;
    setStoredDefaults(st, platform.screen);
    st.masterName = QStringLiteral("  ご主人, \"様\"");
    st.soundOn = 0;
    st.timeSignalOn = 0;
    st.chatterOn = 0;
    st.normalTalkOn = 0;
    st.feedTalkOn = 1;
    st.talkInterval = 10;
    st.autoFetchMode = 3;
    st.pinned = 1;
    st.posX = -12;
    st.posY = 32767;
    st.displayScale = -32768;
    st.walkInterval = 1;
    st.browserPath = QStringLiteral("/usr/bin/firefox-esr");
    st.alarmTime = QStringLiteral("0730");
    st.charEntry = 4;
    for (int i = 1; i <= kFeedSlots; ++i) {
        st.feedName[i] = QStringLiteral("ニュース%1, \"速報\"").arg(i);
        st.feedUrl[i] = QStringLiteral("https://example.jp/%1/rss?a=1&b=2").arg(i);
    }
    st.lastFetchText = QStringLiteral("2026/12/09 9:30:00");
    for (int i = 1; i <= kArticleSlots; ++i) {
        st.articleTitle[i] = QStringLiteral(" 記事 %1 「見出し」～").arg(i);
        st.articleLink[i] = QStringLiteral("https://example.jp/a/%1").arg(i);
        st.articleRead[i] = i % 2;
        st.articleFeedUrl[i] = st.feedUrl[(i - 1) % kFeedSlots + 1];
    }
    ASSERT_TRUE(JouhouHozon(m));

    FakePlatform other;
    Mascot loaded(other, QDir(dir.path()));
    const DataFileReadResult r = JouhouYomikomi(loaded);
    EXPECT_TRUE(r.complete());
    EXPECT_FALSE(loaded.backupBeforeSave);
    EXPECT_TRUE(loaded.stateReady);
    const MascotState& l = loaded.st;
    EXPECT_EQ(l.masterName, st.masterName);
    EXPECT_EQ(l.soundOn, 0);
    EXPECT_EQ(l.feedTalkOn, 1);
    EXPECT_EQ(l.talkInterval, 10);
    EXPECT_EQ(l.autoFetchMode, 3);
    EXPECT_EQ(l.pinned, 1);
    EXPECT_EQ(l.posX, -12);
    EXPECT_EQ(l.posY, 32767);
    EXPECT_EQ(l.displayScale, -32768);
    EXPECT_EQ(l.walkInterval, 1);
    EXPECT_EQ(l.browserPath, st.browserPath);
    EXPECT_EQ(l.alarmTime, st.alarmTime);
    EXPECT_EQ(l.charEntry, 4);
    EXPECT_EQ(l.feedName, st.feedName);
    EXPECT_EQ(l.feedUrl, st.feedUrl);
    EXPECT_EQ(l.lastFetchText, st.lastFetchText);
    EXPECT_EQ(l.articleTitle, st.articleTitle);
    EXPECT_EQ(l.articleLink, st.articleLink);
    EXPECT_EQ(l.articleRead, st.articleRead);
    EXPECT_EQ(l.articleFeedUrl, st.articleFeedUrl);

    const QList<QByteArray> raw = lines(readFile(kDataFileName));
    EXPECT_EQ(raw[10], "-12 ");
    EXPECT_EQ(raw[11], " 32767 ");
    EXPECT_EQ(raw[12], "-32768 ");
}

TEST_F(DataFileTest, NumbersBeyondSixteenBitsAreClampedWhenWritten) {
    setStoredDefaults(m.st, platform.screen);
    m.st.posX = 40000;
    m.st.posY = -40000;
    ASSERT_TRUE(JouhouHozon(m));
    const QList<QByteArray> raw = lines(readFile(kDataFileName));
    EXPECT_EQ(raw[10], " 32767 ");
    EXPECT_EQ(raw[11], "-32768 ");
}

TEST_F(DataFileTest, UnmappableCharacterIsStoredAsQuestionMark) {
    setStoredDefaults(m.st, platform.screen);
    m.st.articleTitle[1] = QStringLiteral("価格は€100");
    ASSERT_TRUE(JouhouHozon(m));
    FakePlatform other;
    Mascot loaded(other, QDir(dir.path()));
    JouhouYomikomi(loaded);
    EXPECT_EQ(loaded.st.articleTitle[1], QStringLiteral("価格は?100"));
}

TEST_F(DataFileTest, LineBreakInsideATextBecomesOneSpace) {
    setStoredDefaults(m.st, platform.screen);
    m.st.articleTitle[1] = QStringLiteral("上\r\n下\n右\r左");
    m.st.articleLink[1] = QStringLiteral("https://example.jp/x");
    ASSERT_TRUE(JouhouHozon(m));
    EXPECT_EQ(lines(readFile(kDataFileName)).size(), kDataFileLines);
    FakePlatform other;
    Mascot loaded(other, QDir(dir.path()));
    EXPECT_TRUE(JouhouYomikomi(loaded).complete());
    EXPECT_EQ(loaded.st.articleTitle[1], QStringLiteral("上 下 右 左"));
    EXPECT_EQ(loaded.st.articleLink[1], QStringLiteral("https://example.jp/x"));
}

TEST_F(DataFileTest, AnyFirstLineIsAcceptedAndIntegersIgnoreSurroundingSpace) {
    setStoredDefaults(m.st, platform.screen);
    m.st.talkInterval = 7;
    QByteArray file = encodeDataFile(m.st);
    file.replace(0, 6, "VER999");
    file.replace("\r\n 7 \r\n", "\r\n   7\r\n");
    writeFile(kDataFileName, file);
    EXPECT_TRUE(JouhouYomikomi(m).complete());
    EXPECT_EQ(m.st.talkInterval, 7);
}

// A file damaged in each way keeps what could be read; the rest take their
// defaults, and the damaged original is kept as a backup at the next save.
class DamagedFileTest : public DataFileTest {
protected:
    void SetUp() override {
        setStoredDefaults(m.st, platform.screen);
        m.st.masterName = QStringLiteral("太郎");
        m.st.talkInterval = 9;
        m.st.feedName[1] = QStringLiteral("ニュース");
        m.st.feedUrl[1] = QStringLiteral("http://127.0.0.1/rss");
        m.st.articleTitle[1] = QStringLiteral("見出し");
        m.st.articleRead[1] = 1;
        good = encodeDataFile(m.st);
        m.st = MascotState{};
    }
    QByteArray good;

    void expectBackupOnSave(const QByteArray& original) {
        EXPECT_TRUE(m.backupBeforeSave);
        ASSERT_TRUE(JouhouHozon(m));
        EXPECT_EQ(readFile(kDataFileBackupName), original);
        EXPECT_EQ(lines(readFile(kDataFileName)).size(), kDataFileLines);
        // Only the first save after the load keeps a copy.
        m.st.masterName = QStringLiteral("次");
        ASSERT_TRUE(JouhouHozon(m));
        EXPECT_EQ(readFile(kDataFileBackupName), original);
    }
};

TEST_F(DamagedFileTest, FileEndingEarlyKeepsWhatWasRead) {
    const qsizetype cut = good.indexOf("\r\n", good.indexOf(encodeCp932(QStringLiteral("見出し"))));
    const QByteArray shortFile = good.left(cut + 2);
    writeFile(kDataFileName, shortFile);
    const DataFileReadResult r = JouhouYomikomi(m);
    EXPECT_FALSE(r.complete());
    EXPECT_EQ(r.linesRead, 39);
    EXPECT_EQ(m.st.masterName, QStringLiteral("太郎"));
    EXPECT_EQ(m.st.talkInterval, 9);
    EXPECT_EQ(m.st.feedUrl[1], QStringLiteral("http://127.0.0.1/rss"));
    EXPECT_EQ(m.st.articleTitle[1], QStringLiteral("見出し"));
    EXPECT_EQ(m.st.articleRead[1], 0) << "the read mark was beyond the end";
    expectBackupOnSave(shortFile);
}

TEST_F(DamagedFileTest, NonNumberAndOutOfRangeNumbersTakeTheirDefaults) {
    QByteArray bad = good;
    bad.replace("\r\n 9 \r\n", "\r\nnine\r\n");      // talkInterval
    bad.replace("\r\n 100 \r\n", "\r\n 40000 \r\n"); // displayScale
    writeFile(kDataFileName, bad);
    const DataFileReadResult r = JouhouYomikomi(m);
    EXPECT_EQ(r.badLines, 2);
    EXPECT_EQ(r.linesRead, kDataFileLines);
    EXPECT_EQ(m.st.talkInterval, 5);
    EXPECT_EQ(m.st.displayScale, 100);
    EXPECT_EQ(m.st.masterName, QStringLiteral("太郎"));
    EXPECT_EQ(m.st.feedName[1], QStringLiteral("ニュース"));
    EXPECT_EQ(m.st.articleRead[1], 1);
    expectBackupOnSave(bad);
}

TEST_F(DamagedFileTest, ScaleTooLargeToDrawTakesItsDefault) {
    // A hand-edited scale is used as it stands while it can be drawn.
    for (const int scale : {kMaxDisplayScale, 0, -50}) {
        QByteArray edited = good;
        edited.replace("\r\n 100 \r\n", "\r\n" + QByteArray::number(scale) + "\r\n");
        writeFile(kDataFileName, edited);
        EXPECT_TRUE(JouhouYomikomi(m).complete()) << scale;
        EXPECT_EQ(m.st.displayScale, scale);
    }
    QByteArray huge = good;
    huge.replace("\r\n 100 \r\n", "\r\n 32767 \r\n");
    writeFile(kDataFileName, huge);
    const DataFileReadResult r = JouhouYomikomi(m);
    EXPECT_EQ(r.badLines, 1);
    EXPECT_EQ(m.st.displayScale, 100);
    EXPECT_EQ(m.st.walkInterval, 31);
    EXPECT_EQ(m.st.talkInterval, 9);
    expectBackupOnSave(huge);
}

TEST_F(DamagedFileTest, UnreadableFileIsKeptAsBackupBeforeItIsReplaced) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads any file";
    }
    writeFile(kDataFileName, good);
    ASSERT_EQ(chmod(path(kDataFileName).toLocal8Bit().constData(), 0), 0);
    EXPECT_EQ(JouhouYomikomi(m).linesRead, 0);
    EXPECT_EQ(m.st.masterName, QStringLiteral("あなた"));
    EXPECT_TRUE(m.backupBeforeSave);
    ASSERT_TRUE(JouhouHozon(m));
    EXPECT_TRUE(QFile::exists(path(kDataFileBackupName)));
}

TEST_F(DamagedFileTest, PipeInTheFilesPlaceIsNeitherWaitedOnNorReplaced) {
    ASSERT_EQ(mkfifo(path(QStringLiteral("pipe")).toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("pipe"), path(kDataFileName)));
    EXPECT_EQ(JouhouYomikomi(m).linesRead, 0);
    EXPECT_FALSE(JouhouHozon(m));
    EXPECT_TRUE(QFileInfo(path(kDataFileName)).isSymLink()) << "the link stays as it was";
}

TEST_F(DamagedFileTest, FileWithLoneLineFeedsReadsAsWell) {
    QByteArray lf = good;
    lf.replace("\r\n", "\n");
    writeFile(kDataFileName, lf);
    EXPECT_TRUE(JouhouYomikomi(m).complete());
    EXPECT_EQ(m.st.masterName, QStringLiteral("太郎"));
}

TEST_F(DamagedFileTest, AnEarlierBackupIsNeverRemoved) {
    writeFile(kDataFileBackupName, "what an earlier damaged file held");
    const QByteArray shortFile = good.left(200);
    writeFile(kDataFileName, shortFile);
    JouhouYomikomi(m);
    ASSERT_TRUE(JouhouHozon(m));
    EXPECT_EQ(readFile(kDataFileBackupName), "what an earlier damaged file held");
    EXPECT_EQ(readFile(kDataFileBackupName + QStringLiteral("2")), shortFile);
}

// What an editor may save the file as: read as such, kept before the first
// rewrite in the code page.
TEST_F(DamagedFileTest, FileSavedInAnotherEncodingIsReadAsSuchAndKept) {
    m.st.masterName = QStringLiteral("太郎");
    m.st.feedName[1] = QStringLiteral("ニュース");
    m.st.articleTitle[1] = QStringLiteral("見出し €");
    const QByteArray cp932 = encodeDataFile(m.st);
    QString text = decodeCp932(cp932);
    text.replace(QStringLiteral("見出し ?"), QStringLiteral("見出し €"));
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QList<std::pair<QByteArray, DataFileEncoding>> forms{
        {text.toUtf8(), DataFileEncoding::Utf8},
        {"\xEF\xBB\xBF" + text.toUtf8(), DataFileEncoding::Utf8},
        {utf16(text), DataFileEncoding::Utf16},
        {cp932, DataFileEncoding::Cp932},
    };
    for (const auto& [bytes, encoding] : forms) {
        QFile::remove(path(kDataFileBackupName));
        writeFile(kDataFileName, bytes);
        m.st = MascotState{};
        const DataFileReadResult r = JouhouYomikomi(m);
        EXPECT_EQ(r.encoding, encoding);
        EXPECT_TRUE(r.complete());
        EXPECT_EQ(m.st.masterName, QStringLiteral("太郎"));
        EXPECT_EQ(m.st.feedName[1], QStringLiteral("ニュース"));
        const bool foreign = encoding != DataFileEncoding::Cp932;
        EXPECT_EQ(m.st.articleTitle[1],
                  foreign ? QStringLiteral("見出し €") : QStringLiteral("見出し ?"));
        ASSERT_TRUE(JouhouHozon(m));
        EXPECT_EQ(QFile::exists(path(kDataFileBackupName)), foreign);
        if (foreign) {
            EXPECT_EQ(readFile(kDataFileBackupName), bytes);
            EXPECT_EQ(readFile(kDataFileName), cp932);
        }
    }
    // Half-width kana in code page 932 can be valid UTF-8 ("ﾕｷ" is "շ").
    const QByteArray kana = encodeCp932(QStringLiteral("VER011\r\nﾕｷ\r\n"));
    EXPECT_EQ(detectDataFileEncoding(kana), DataFileEncoding::Cp932);
}

TEST_F(DamagedFileTest, OverlongTextsAreCutAtLoadAndTheOriginalKept) {
    QByteArray huge = good;
    const QByteArray name = QByteArray(1'000'000, 'a');
    huge.replace(encodeCp932(QStringLiteral("太郎")), name);
    const QByteArray title = QByteArray(300'000, 'b') + encodeCp932(QStringLiteral("見"));
    huge.replace(encodeCp932(QStringLiteral("見出し")), title);
    writeFile(kDataFileName, huge);
    const DataFileReadResult r = JouhouYomikomi(m);
    EXPECT_EQ(r.cutTexts, 2);
    EXPECT_EQ(r.linesRead, kDataFileLines);
    EXPECT_EQ(m.st.masterName, QString(kMaxTypedTextLength, u'a'));
    EXPECT_EQ(m.st.articleTitle[1].size(), kMaxFieldLength);
    EXPECT_EQ(m.st.articleRead[1], 1) << "the lines after a long one read as ever";
    EXPECT_EQ(m.st.feedName[1], QStringLiteral("ニュース"));
    expectBackupOnSave(huge);
}

TEST_F(DataFileTest, FailedWriteLeavesTheOldFileAndTheState) {
    setStoredDefaults(m.st, platform.screen);
    ASSERT_TRUE(JouhouHozon(m));
    const QByteArray before = readFile(kDataFileName);
    m.st.masterName = QStringLiteral("変更");
    m.st.articleTitle[1] = QString(3000, QChar(u'長'));
    const MascotState stateBefore = m.st;
    // A disk that fills up part-way through the write (even root cannot
    // write past the file size limit).
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = JouhouHozon(m);
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(readFile(kDataFileName), before);
    EXPECT_EQ(m.st.masterName, stateBefore.masterName);
    EXPECT_EQ(m.st.articleTitle, stateBefore.articleTitle);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{kDataFileName, kSeenArticlesFileName}))
        << "no temporary file is left behind";
}

TEST_F(DataFileTest, DirectoryInTheWayFailsTheSave) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(kDataFileName));
    setStoredDefaults(m.st, platform.screen);
    EXPECT_FALSE(JouhouHozon(m));
    EXPECT_TRUE(QFileInfo(path(kDataFileName)).isDir());
}

TEST_F(DataFileTest, WriteIntoMissingDirectoryFailsWithoutHarm) {
    Mascot nowhere(platform, QDir(dir.filePath(QStringLiteral("missing/deeper"))));
    setStoredDefaults(nowhere.st, platform.screen);
    EXPECT_FALSE(JouhouHozon(nowhere));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("missing"))));
}

TEST_F(DataFileTest, PresenceCheckIsExactAndCaseSensitive) {
    EXPECT_FALSE(dataFilePresent(m));
    writeFile(QStringLiteral("Jouhou.mrdt"), "VER011\r\n");
    writeFile(QStringLiteral("jouhou.mrdt.old"), "VER011\r\n");
    EXPECT_FALSE(dataFilePresent(m));
    writeFile(kDataFileName, "VER011\r\n");
    EXPECT_TRUE(dataFilePresent(m));
}

} // namespace
