#include "settings/settei_model.h"

namespace {

constexpr int kLeft = 8;
constexpr int kRight = 216;
constexpr int kColumnWidth = 177;
constexpr int kCheckWidth = 169;
constexpr int kRowHeight = 17;

// The layout is drawn in pixels; the model keeps twips.
TwipsRect px(int x, int y, int width, int height) {
    return {x * kTwipsPerPixel, y * kTwipsPerPixel, width * kTwipsPerPixel,
            height * kTwipsPerPixel};
}

CheckBoxModel check(const QString& caption, int y) {
    CheckBoxModel c;
    c.caption = caption;
    c.geometry = px(kLeft, y, kCheckWidth, kRowHeight);
    return c;
}

ScrollBarModel bar(int y, int min, int max) {
    ScrollBarModel b;
    b.geometry = px(kLeft, y, kColumnWidth, kRowHeight);
    b.min = min;
    b.max = max;
    b.value = min;
    return b;
}

TextBoxModel box(TwipsRect geometry) {
    TextBoxModel t;
    t.geometry = geometry;
    return t;
}

} // namespace

SetteiModel::SetteiModel() {
    geometry = {0, 0, kSetteiWidth, kSetteiHeight};
    visible = false;

    using namespace SetteiLabel;
    SetteiMoji[Title] = shownLabel(QStringLiteral("設定"), px(kLeft, 8, 393, kRowHeight));
    SetteiMoji[MasterName] =
        shownLabel(QStringLiteral("マスターの名前"), px(kLeft, 32, kColumnWidth, kRowHeight));
    SetteiMoji[MoveSpeed] =
        shownLabel(QStringLiteral("移動速度:"), px(kLeft, 80, kColumnWidth, kRowHeight));
    SetteiMoji[TalkInterval] =
        shownLabel(QStringLiteral("話しかけてくる頻度:"), px(kLeft, 184, kColumnWidth, kRowHeight));
    SetteiMoji[TalkContent] =
        shownLabel(QStringLiteral("話しかけてくる内容"), px(kLeft, 224, kCheckWidth, kRowHeight));
    SetteiMoji[AutoFetch] =
        shownLabel(QStringLiteral("RSS自動取得頻度"), px(kRight, 32, kColumnWidth, kRowHeight));
    SetteiMoji[Feeds] =
        shownLabel(QStringLiteral("登録されたRSS"), px(kRight, 80, kColumnWidth, kRowHeight));
    SetteiMoji[FeedName] =
        shownLabel(QStringLiteral("RSS登録名"), px(kRight, 168, kColumnWidth, kRowHeight));
    SetteiMoji[FeedUrl] =
        shownLabel(QStringLiteral("RSSアドレス"), px(kRight, 208, kColumnWidth, kRowHeight));
    SetteiMoji[Browser] =
        shownLabel(QStringLiteral("ブラウザのアドレス"), px(kRight, 288, kColumnWidth, kRowHeight));

    SetteiText = box(px(kLeft, 48, kColumnWidth, 19));
    Text1 = box(px(kRight, 184, kColumnWidth, 19));
    Text2 = box(px(kRight, 224, kColumnWidth, 35));
    Text3 = box(px(kRight, 304, kColumnWidth, 35));

    HScroll1 = bar(96, kMoveSpeedMin, kMoveSpeedMax);
    HScroll2 = bar(200, kTalkIntervalMin, kTalkIntervalMax);

    STCheck[SetteiCheck::Sound] = check(QStringLiteral("サウンド"), 128);
    STCheck[SetteiCheck::TimeSignal] = check(QStringLiteral("時報"), 144);
    STCheck[SetteiCheck::Chatter] = check(QStringLiteral("勝手に話しかけてくる"), 160);
    STCheck[SetteiCheck::NormalTalk] = check(QStringLiteral("通常会話"), 240);
    STCheck[SetteiCheck::FeedTalk] = check(QStringLiteral("RSSの内容"), 256);
    STCheck[3].visible = false; // the array has no box 3

    Combo3Box.geometry = px(kLeft, 280, kColumnWidth, 21);
    Combo1Box.geometry = px(kRight, 48, kColumnWidth, 21);
    List1.geometry = px(kRight, 96, kColumnWidth, 69);

    const QColor plain(kSTButtonPlain);
    using namespace SetteiButton;
    STButton[Change] = shownLabel(QStringLiteral("変更"), px(kRight, 264, 49, kRowHeight), plain);
    STButton[Delete] = shownLabel(QStringLiteral("削除"), px(280, 264, 49, kRowHeight), plain);
    STButton[Add] = shownLabel(QStringLiteral("追加"), px(344, 264, 49, kRowHeight), plain);
    STButton[Cancel] = shownLabel(QStringLiteral("CANCEL"), px(256, 352, 65, kRowHeight), plain);
    STButton[Ok] = shownLabel(QStringLiteral("OK"), px(328, 352, 65, kRowHeight), plain);
}

TextBoxModel& setteiBox(SetteiModel& s, SetteiBox box) {
    switch (box) {
    case SetteiBox::SetteiText:
        return s.SetteiText;
    case SetteiBox::Text1:
        return s.Text1;
    case SetteiBox::Text2:
        return s.Text2;
    case SetteiBox::Text3:
        break;
    }
    return s.Text3;
}
