#include "speech/aisatsu.h"

#include "core/leading_number.h"
#include "core/mascot.h"
#include "speech/calling_name.h"
#include "speech/hanasu.h"

#include <array>

namespace {

constexpr int kBands = 11;
constexpr int kNoonBand = 6;
constexpr int kClosingWidth = 4200;
constexpr int kClosingSeconds = 10;

// Upper hour of each band, in band order.
constexpr std::array<int, kBands> kBandLastHour{2, 4, 6, 8, 10, 11, 14, 16, 18, 20, 23};

enum class Period { Morning, Day, Evening };

Period periodOfBand(int band) {
    if (band >= 3 && band <= 6) {
        return Period::Morning;
    }
    if (band == 7 || band == 8) {
        return Period::Day;
    }
    return Period::Evening;
}

struct Greetings {
    const char16_t* morning;
    const char16_t* day;
    const char16_t* evening;
    const char16_t* suffix;
    // Remark of each band. Just before noon most characters make it in two
    // lines; `noonLead` is the first of them (nullptr: a single line).
    std::array<const char16_t*, kBands> closing;
    const char16_t* noonLead;
};

constexpr Greetings kPoliteGreetings{
    u"おはようございます、",
    u"こんにちは、",
    u"こんばんは、",
    u"さん。",
    {u"そろそろ寝た方がいいんじゃないんですか？", u"遅いけど大丈夫ですか？", u"早いですね。",
     u"そろそろ朝食にしますか？", u"今日も一日頑張ってください。", u"「こんにちは」でしょうか？",
     u"一日も半ばですね。", u"そろそろおやつの時間にしますか？", u"もう日も暮れてきましたね。",
     u"ご夕食はもう食べましたか？", u"そろそろ眠くなってきましたね。"},
    u"もうすぐ昼ですから、",
};

constexpr Greetings kLadyGreetings{
    u"おはよう、",
    u"こんにちは、",
    u"こんばんは、",
    u"。",
    {u"そろそろ寝た方がいいんじゃない？", u"遅いけど大丈夫？", u"早いわね。",
     u"そろそろ朝食にする？", u"今日も一日頑張って。", u"「こんにちは」かしら？", u"一日も半ばね。",
     u"そろそろおやつの時間にする？", u"もう日も暮れてきたわね。", u"夕食はもう済ませた？",
     u"そろそろ眠いわね。"},
    u"もうすぐ昼だから、",
};

constexpr std::array<Greetings, kCharacterCount> kGreetings{{
    kPoliteGreetings,
    kLadyGreetings,
    {u"おはよう、",
     u"こんにちは、",
     u"こんばんは、",
     u"。",
     {u"そろそろ寝た方がいいんじゃないか？", u"遅いけど大丈夫か？", u"早いな。",
      u"そろそろ朝食にするか？", u"今日も一日頑張れな。", u"別にいいよな。", u"一日も半ばか。",
      u"そろそろおやつの時間にするか？", u"もう日も暮れてきたな。", u"夕食はもう済ませたか？",
      u"そろそろ眠いぜ。"},
     u"もうすぐ昼だけど、"},
    {u"おはようございます、",
     u"こんにちは、",
     u"こんばんは、",
     u"様。",
     {u"そろそろお休みになられた方がよろしいのでは？", u"夜も遅いですが大丈夫ですか？",
      u"お早いのですね。", u"そろそろご朝食に致しましょうか？", u"今日も一日頑張ってください。",
      u"「こんにちは」でしょうか？", u"一日も半ばですね。", u"そろそろおやつの時間にしましょうか？",
      u"もう日も暮れてきましたね。", u"ご夕食はもう済ませましたか？",
      u"そろそろ眠くなってきましたね。"},
     u"もうすぐ昼ですから、"},
    {u"おはよう、",
     u"こんにちは、",
     u"こんばんは、",
     u"。",
     {u"そろそろ寝た方がいいんじゃないかしら？", u"遅いけど大丈夫かしら？", u"早いわね。",
      u"そろそろ朝食にする？", u"今日も一日頑張ってね。", u"「こんにちは」かしら？",
      u"一日も半ばね。", u"そろそろおやつの時間にしない？", u"もう日も暮れてきたわね。",
      u"夕食はもう済ませたかしら？", u"そろそろ眠いわね。"},
     u"もうすぐ昼だから、"},
    {u"おはよ～、",
     u"こんにちは～、",
     u"こんばんは～、",
     u"。",
     {u"そろそろ寝た方がよくない？", u"遅いけど大丈夫かい？", u"早いね～。",
      u"そろそろ朝食にする？", u"今日も一日頑張れ～。", u"もうすぐ昼？", u"一日も半ばだね～。",
      u"そろそろおやつにする？", u"もう日も暮れてきたね～。", u"夕食食べた？", u"眠いよ～。"},
     nullptr},
    kLadyGreetings,
    {u"おはようございます、",
     u"こんにちは、",
     u"こんばんは、",
     u"さん。",
     {u"そろそろ寝た方がいいんじゃないんですか？", u"遅いけど大丈夫ですか？", u"早いですね。",
      u"そろそろ朝食にしますか？", u"今日も一日頑張ってね。", u"「こんにちは」かな？",
      u"一日も半ばですね。", u"そろそろおやつの時間かな？", u"もう日も暮れてきたね。",
      u"ご夕食はもう食べましたか？", u"そろそろ眠くなってきたね。"},
     u"もうすぐ昼ですから、"},
    {u"おはよう、",
     u"うにゅ、",
     u"こんばんは、",
     u"！",
     {u"そろそろ寝よう！", u"遅いけど大丈夫？", u"早い！", u"朝ご飯～！", u"今日も一日頑張れ！",
      u"もう昼？", u"一日の半分が終わった。", u"そろそろおやつ？", u"もう日も暮れてきたよ。",
      u"ご飯は？", u"そろそろ眠い。"},
     nullptr},
    {u"おはよう、",
     u"こんにちは、",
     u"こんばんは、",
     u"。",
     {u"そろそろ寝た方がいいんじゃないか？", u"遅いけど大丈夫か？", u"早いな。",
      u"そろそろ朝食にするか？", u"今日も一日頑張れよ。", u"別にいいよな。", u"一日も半ばか。",
      u"そろそろおやつの時間にするか？", u"もう日も暮れてきたな。", u"夕食はもう済ませたか？",
      u"そろそろ眠いな。"},
     u"もうすぐ昼だけど、"},
    {u"おはよう、",
     u"こんにちは、",
     u"こんばんは、",
     u"。",
     {u"そろそろ寝た方がいいんじゃないか？", u"遅いけど大丈夫か？", u"早いね。",
      u"そろそろ朝食にする？", u"今日も一日頑張って。", u"「こんにちは」かな？",
      u"一日も半ばだよ。", u"そろそろおやつにする？", u"もう日も暮れてきたね。",
      u"夕食はもう済ませた？", u"そろそろ眠いね。"},
     u"もうすぐ昼だから、"},
    kPoliteGreetings,
}};

const char16_t* salutation(const Greetings& g, Period period) {
    switch (period) {
    case Period::Morning:
        return g.morning;
    case Period::Day:
        return g.day;
    case Period::Evening:
        break;
    }
    return g.evening;
}

} // namespace

int greetingBand(int hour) {
    if (hour < 0) {
        return 0;
    }
    for (int band = 1; band <= kBands; ++band) {
        if (hour <= kBandLastHour[static_cast<std::size_t>(band - 1)]) {
            return band;
        }
    }
    return 0;
}

void Aisatsu(Mascot& m) {
    const MascotState& st = m.st;
    if (st.charIndex < 0 || st.charIndex >= kCharacterCount) {
        return;
    }
    const int band = greetingBand(leadingNumber(QStringView(st.nowHHNN).left(2)));
    if (band == 0) {
        return;
    }
    const Greetings& g = kGreetings[static_cast<std::size_t>(st.charIndex)];
    Hanasu(m,
           QString::fromUtf16(salutation(g, periodOfBand(band))) +
               calledBy(st.masterName, QStringView(g.suffix)),
           0, 0, QString(), 0, 0);
    if (band == kNoonBand && g.noonLead != nullptr) {
        Hanasu(m, QString::fromUtf16(g.noonLead), 0, 0, QString(), 0, 0);
    }
    Hanasu(m, QString::fromUtf16(g.closing[static_cast<std::size_t>(band - 1)]), kClosingWidth, 0,
           QString(), kClosingSeconds, 0);
}
