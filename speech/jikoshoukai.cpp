#include "speech/jikoshoukai.h"

#include "core/mascot.h"
#include "speech/hanasu.h"

namespace {

constexpr int kFirstStep = 5;
constexpr int kStepWidth = 3200;

struct Step {
    int number;
    const char16_t* line;
    int nextCode;
};
constexpr Step kSteps[] = {
    {5, u"今日からこちらに住まわせてもらうIlvenneです。", 6007},
    {7, u"これからしばらくの間よろしくお願いします。", 6008},
    {8, u"それじゃあ少しばかり私の説明をしますね。", 6009},
    {9, u"私はデスクトップ上を勝手に歩き回ります。", 6010},
    {10, u"ドラッグ中に右クリックすると私はその場から動かなくなります。", 6011},
    {11, u"もう一度同じ操作をすると、動き回るようになります。", 6012},
    {12, u"また、他の作品とは違い特に育成要素はありません。", 6013},
    {13, u"主な機能はRSS機能とアラームくらいですね。", 6014},
    {14, u"簡易的だけど、通常会話も用意してるけど、その数は少ないです。", 6015},
    {15, u"私は気分機能が実装されていて、起動ごとに表情が若干変わるのが特徴です。", 6016},
    {16, u"それでは、これからよろしくお願いします。", 6096},
};

const Step* stepOf(int phase) {
    for (const Step& s : kSteps) {
        if (s.number == phase) {
            return &s;
        }
    }
    return nullptr;
}

} // namespace

void Jikoshoukai(Mascot& m) {
    const Step* step = stepOf(m.st.phase);
    if (!step) {
        return;
    }
    if (step->number != kFirstStep) {
        HanasuKesu(m);
    }
    m.st.choiceText[0] = QStringLiteral("次へ");
    m.st.choiceCode[0] = step->nextCode;
    if (step->number == kFirstStep) {
        Hanasu(m, QStringLiteral("こんにちは。"), 0, 0, QString(), 0, 0);
    }
    Hanasu(m, QString::fromUtf16(step->line), kStepWidth, 0, QStringLiteral("hanasu.wav"),
           kMenuSeconds, 1);
    m.introductionStep = step->number;
    m.st.phase = kIntroductionWaiting;
}

void repeatIntroductionStep(Mascot& m) {
    if (m.st.phase != kIntroductionWaiting || m.introductionStep == 0) {
        return;
    }
    HanasuKesu(m);
    m.st.phase = m.introductionStep;
}
