#include "speech/hanashikake.h"

#include "core/article_ref.h"
#include "core/mascot.h"
#include "core/rounding.h"
#include "speech/hanasu.h"
#include "speech/mood_talk_table.h"

#include <array>
#include <optional>

namespace {

constexpr int kReadingWidth = 4200;
constexpr int kClosingSeconds = 10;

struct FeedPhrases {
    const char16_t* afterFeedName;
    const char16_t* closing;
};

// How each character introduces a headline and what it says after it.
constexpr std::array<FeedPhrases, kCharacterCount> kFeedPhrases{{
    {u"による情報ですが、", u"とのことです。"},
    {u"による情報だけど、", u"とのことよ。"},
    {u"による情報だが、", u"なんだってさ。"},
    {u"による情報ですが、", u"とのことです。"},
    {u"による情報だけど、", u"とのことよ。"},
    {u"による情報だと、", u"なんだって～。"},
    {u"による情報だけど、", u"とのことよ。"},
    {u"による情報ですが、", u"とのことだよ。"},
    {u"が、", u"って言ってた。"},
    {u"による情報だと、", u"なんだって。"},
    {u"が、", u"って言ってたよ。"},
    {u"による情報ですが、", u"とのことです。"},
}};

std::optional<int> firstUnreadArticle(const MascotState& st) {
    for (int a = 1; a <= kArticleSlots; ++a) {
        if (!st.articleTitle[a].isEmpty() && st.articleRead[a] == 0) {
            return a;
        }
    }
    return std::nullopt;
}

// The registered name of the feed an article came from; the last slot with
// that address wins, and a feed removed since gives no name.
QString feedNameOf(const MascotState& st, int article) {
    QString name;
    for (int j = 1; j <= kFeedSlots; ++j) {
        if (st.feedUrl[j] == st.articleFeedUrl[article]) {
            name = st.feedName[j];
        }
    }
    return name;
}

void readArticle(Mascot& m) {
    MascotState& st = m.st;
    const std::optional<int> found = firstUnreadArticle(st);
    if (!found || st.charIndex < 0 || st.charIndex >= kCharacterCount) {
        return;
    }
    const int a = *found;
    const FeedPhrases& phrases = kFeedPhrases[static_cast<std::size_t>(st.charIndex)];
    st.choiceText[0] = QStringLiteral("記事を参照");
    st.choiceCode[0] = kArticleChoiceBase + a;
    m.spokenArticle = articleRef(st, a);
    Hanasu(m, feedNameOf(st, a) + QString::fromUtf16(phrases.afterFeedName), 0, 0, QString(), 0, 0);
    Hanasu(m, QStringLiteral("『") + st.articleTitle[a] + QStringLiteral("』"), 0, 0, QString(), 0,
           0);
    Hanasu(m, QString::fromUtf16(phrases.closing), kReadingWidth, 0, QStringLiteral("hanasu.wav"),
           kClosingSeconds, 1);
    st.articleRead[a] = 1;
}

void sayMoodLine(Mascot& m) {
    const int r = roundHalfEven(m.platform.random() * 1000);
    const int entry = r - floorInt(r / 8.0) * 8;
    const QString line = moodTalkLine(m.st.charIndex, m.st.mood, entry);
    if (line.isEmpty()) {
        return;
    }
    Hanasu(m, line, 0, 0, QStringLiteral("hanasu.wav"), kDefaultLineSeconds, 0);
}

} // namespace

void Hanashikake(Mascot& m) {
    if (m.st.feedTalkOn == 1) {
        readArticle(m);
    } else if (m.st.normalTalkOn == 1) {
        sayMoodLine(m);
    }
}
