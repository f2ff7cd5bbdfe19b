#include "ui/balloon_window.h"

#include "core/mascot.h"
#include "settings/choice_menu.h"
#include "speech/hanasu.h"
#include "tests/support/fake_platform.h"
#include "ui/balloon_labels.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <map>

namespace {

const QColor kHover(255, 150, 150);
const QColor kWhite(255, 255, 255);

// Counts the events of some types that reach the objects it watches.
class EventCounter : public QObject {
public:
    void watch(QWidget* w) {
        w->installEventFilter(this);
        for (QWidget* child : w->findChildren<QWidget*>()) {
            child->installEventFilter(this);
        }
    }
    int count(QEvent::Type type) const {
        const auto it = counts_.find(type);
        return it == counts_.end() ? 0 : it->second;
    }
    int total() const {
        int n = 0;
        for (const auto& [type, c] : counts_) {
            n += c;
        }
        return n;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Paint:
        case QEvent::Show:
        case QEvent::Hide:
            ++counts_[event->type()];
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::map<QEvent::Type, int> counts_;
};

class BalloonWindowTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakePlatform platform;
    Mascot m{platform, QDir(dir.path())};
    std::vector<int> pressed;
    BalloonWindow balloon{
        m, BalloonWindow::ChoiceHandlers{&Sentaku_MouseMove,
                                         [this](Mascot&, int index) { pressed.push_back(index); }}};

    BalloonWindowTest() {
        m.st.posX = 400;
        m.st.posY = 100;
    }

    void openMenu() {
        const char* captions[] = {"なんでもない", "終了する", "設定変更する",
                                  "RSSメニュー",  "アラーム", "何か話して"};
        for (int i = 0; i < 6; ++i) {
            m.st.choiceText[static_cast<std::size_t>(i)] = QString::fromUtf8(captions[i]);
        }
        Hanasu(m, QStringLiteral("何か用ですか？"), 3000, 2400, QString(), 1000, 6);
        balloon.sync();
    }

    void say(const QString& text) {
        Hanasu(m, text, 0, 0, QString(), 0, 0);
        balloon.sync();
    }

    BalloonText* text() { return balloon.findChild<BalloonText*>(QStringLiteral("HanasuNaiyo")); }
    ChoiceLabel* choice(int i) {
        return balloon.findChild<ChoiceLabel*>(QStringLiteral("Sentaku%1").arg(i));
    }

    // Rows of the text label that hold any ink.
    std::vector<bool> inkedRows() {
        const QImage image = text()->grab().toImage();
        const QRgb ground = text()->palette().color(QPalette::Window).rgb();
        std::vector<bool> rows(static_cast<std::size_t>(image.height()), false);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != ground) {
                    rows[static_cast<std::size_t>(y)] = true;
                    break;
                }
            }
        }
        return rows;
    }
    int lastInkedRow() {
        const std::vector<bool> rows = inkedRows();
        for (int y = static_cast<int>(rows.size()) - 1; y >= 0; --y) {
            if (rows[static_cast<std::size_t>(y)]) {
                return y;
            }
        }
        return -1;
    }
};

TEST_F(BalloonWindowTest, MenuIsLaidOutInPixels) {
    openMenu();

    ASSERT_TRUE(balloon.isVisible());
    EXPECT_EQ(balloon.geometry(), QRect(200, 130, 200, 160)); // (6000 - 3000, 1500 + 450) / 15
    EXPECT_EQ(text()->geometry(), QRect(6, 8, 186, 146));
    EXPECT_EQ(text()->text(), QStringLiteral("何か用ですか？"));
    for (int i = 0; i < 6; ++i) {
        ChoiceLabel* label = choice(i);
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(label->isVisible()) << i;
        EXPECT_EQ(label->geometry(), QRect(6, (2400 - 90 - (i + 1) * 315) / 15, 186, 17)) << i;
        EXPECT_EQ(label->caption(), m.st.choiceText[static_cast<std::size_t>(i)]) << i;
    }
    EXPECT_EQ(choice(0)->y(), 133);
    EXPECT_EQ(choice(5)->y(), 28);
    EXPECT_FALSE(choice(6)->isVisible());
}

TEST_F(BalloonWindowTest, ShowsWithoutTakingTheFocusButTakesItWhenClicked) {
    // Clicked, it takes the keyboard (so Esc quits), as the character does.
    EXPECT_FALSE(balloon.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(balloon.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(balloon.windowType(), Qt::Window); // not transient for the character
    EXPECT_TRUE(balloon.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(balloon.focusPolicy(), Qt::NoFocus);
}

TEST_F(BalloonWindowTest, HoverColourMovesFromLabelToLabelAndStays) {
    openMenu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&balloon));

    QTest::mouseMove(choice(2));
    EXPECT_EQ(m.HanasuBox.Sentaku[2].background, kHover);
    EXPECT_EQ(choice(2)->background(), kHover);
    for (int i : {0, 1, 3, 4, 5}) {
        EXPECT_EQ(choice(i)->background(), kWhite) << i;
    }

    QTest::mouseMove(choice(4));
    EXPECT_EQ(choice(4)->background(), kHover);
    EXPECT_EQ(choice(2)->background(), kWhite);

    // Off the choices, onto the text and then out of the balloon: the last
    // label touched keeps its colour, also into the next menu.
    QTest::mouseMove(&balloon, QPoint(100, 10));
    QTest::mouseMove(&balloon, QPoint(balloon.width() + 50, balloon.height() + 50));
    EXPECT_EQ(choice(4)->background(), kHover);
    HanasuKesu(m);
    balloon.sync();
    EXPECT_FALSE(balloon.isVisible());
    openMenu();
    EXPECT_EQ(choice(4)->background(), kHover);
}

TEST_F(BalloonWindowTest, PressWithAnyButtonChoosesThatLabel) {
    openMenu();
    QTest::mouseClick(choice(3), Qt::LeftButton);
    QTest::mouseClick(choice(0), Qt::RightButton);
    QTest::mouseClick(choice(5), Qt::MiddleButton);
    EXPECT_EQ(pressed, (std::vector<int>{3, 0, 5}));
    // The text is not a choice.
    QTest::mouseClick(&balloon, Qt::LeftButton, {}, QPoint(100, 12));
    EXPECT_EQ(pressed.size(), 3U);
}

TEST_F(BalloonWindowTest, ClosingHidesTheWindowAndTheNextLineShowsWithoutChoices) {
    openMenu();
    HanasuKesu(m);
    balloon.sync();
    EXPECT_FALSE(balloon.isVisible());

    m.st.posX = 150; // no room on the left: 80 pixels right of the character
    say(QStringLiteral("こんにちは"));
    ASSERT_TRUE(balloon.isVisible());
    EXPECT_EQ(balloon.geometry(), QRect(230, 130, 200, 120));
    EXPECT_EQ(text()->text(), QStringLiteral("こんにちは"));
    EXPECT_EQ(text()->geometry(), QRect(6, 8, 186, 106));
    for (int i = 0; i < kChoiceLabels; ++i) {
        EXPECT_FALSE(choice(i)->isVisible()) << i;
    }
}

TEST_F(BalloonWindowTest, SyncSendsNothingWhenTheModelIsUnchanged) {
    openMenu();
    QApplication::processEvents();
    EventCounter events;
    events.watch(&balloon);

    balloon.sync();
    balloon.sync();
    QApplication::processEvents();
    EXPECT_EQ(events.total(), 0);

    // A walking step moves the window and repaints nothing.
    m.st.posX += 2;
    placeBalloon(m, kRunningOffset);
    balloon.sync();
    QApplication::processEvents();
    EXPECT_EQ(events.count(QEvent::Move), 1);
    EXPECT_EQ(events.count(QEvent::Paint), 0);
    EXPECT_EQ(events.count(QEvent::Resize), 0);
    EXPECT_EQ(balloon.x(), 202);
}

TEST_F(BalloonWindowTest, WindowShapeIsWhatIsPainted) {
    say(QStringLiteral("かたち"));
    const QRegion mask = balloon.mask();
    EXPECT_EQ(mask, BalloonWindow::outline(balloon.size()));
    EXPECT_FALSE(mask.contains(QPoint(0, 0))); // rounded corners
    EXPECT_TRUE(mask.contains(QPoint(balloon.width() / 2, 0)));

    const QImage image = balloon.grab().toImage();
    const QRgb border = balloon.palette().color(QPalette::WindowText).rgb();
    const QRgb ground = balloon.palette().color(QPalette::Window).rgb();
    for (int y = 0; y < image.height(); ++y) {
        int left = 0;
        while (left < image.width() && !mask.contains(QPoint(left, y))) {
            ++left;
        }
        ASSERT_LT(left, image.width()) << y;
        EXPECT_EQ(image.pixel(left, y), border) << y; // the outline is the shape's edge
    }
    EXPECT_EQ(image.pixel(balloon.width() - 3, balloon.height() / 2), ground);
}

TEST_F(BalloonWindowTest, TextBreaksAtCrLfAndWrapsAtTheLabelsWidth) {
    const int lineHeight = text()->fontMetrics().height();
    say(QStringLiteral("あ"));
    const int oneLine = lastInkedRow();
    ASSERT_GT(oneLine, 0);
    ASSERT_LT(oneLine, lineHeight);

    HanasuKesu(m);
    say(QStringLiteral("あ\r\nい")); // one line said with a break in it
    const int twoLines = lastInkedRow();
    EXPECT_GT(twoLines, lineHeight);
    EXPECT_LT(twoLines, 2 * lineHeight + 4);

    HanasuKesu(m);
    say(QString(30, QChar(0x3042))); // 30 × 16 pixels do not fit in 186
    EXPECT_GT(lastInkedRow(), lineHeight);
}

TEST_F(BalloonWindowTest, TextBelowTheLastWholeLineIsCutOff) {
    QString longText;
    for (int i = 0; i < 20; ++i) {
        longText += QStringLiteral("長い話が続きます。");
    }
    say(longText);
    const int bottom = lastInkedRow();
    const int lineStep = text()->fontMetrics().lineSpacing();
    EXPECT_GE(bottom, text()->height() - 2 * lineStep); // the label is filled
    // No line is shown in part: below the last whole line there is no ink.
    const int wholeLines = text()->height() / lineStep;
    EXPECT_LT(bottom, wholeLines * lineStep);
}

TEST_F(BalloonWindowTest, AnEndlessWordIsLaidOutOnlyAsFarAsItShows) {
    // The narrowest letters still fill every line the label has.
    say(QStringLiteral("はい、") + QString(1'000'000, u'i') + QStringLiteral("さん"));
    const int lineStep = text()->fontMetrics().lineSpacing();
    EXPECT_GE(lastInkedRow(), text()->height() - 2 * lineStep);
    const QSize label = text()->size();
    const qsizetype laidOut = BalloonText::shownCharacters(label, text()->fontMetrics().height());
    EXPECT_LT(laidOut, 5000) << "a full balloon's worth, not the whole text";
    // A text broken into many short lines shows its lines all the same.
    HanasuKesu(m);
    say(QStringLiteral("あ\r\n").repeated(1'000'000));
    EXPECT_GE(lastInkedRow(), text()->height() - 2 * lineStep);
}

TEST_F(BalloonWindowTest, TextStopsAboveTheChoices) {
    openMenu();
    Hanasu(m, QStringLiteral("時間になりました。"), 0, 0, QString(), 5, 0);
    balloon.sync();
    // The second line would stand behind the topmost choice.
    EXPECT_LT(lastInkedRow(), choice(5)->y() - text()->y());
}

// A desktop that keeps the character elsewhere: the balloon moves with it and
// keeps its gap, changing sides only where it would leave the screen.
TEST(BalloonBesideTrueCharacter, FollowsTheCharacterAndChangesSidesAtTheEdges) {
    const QRect screen(0, 0, 1280, 800);
    const QRect balloon(387, 369, 213, 120); // left of a character put at 600,339
    auto beside = [&](QPoint at) {
        const BalloonWindow::TrueCharacter character{QRect(at, QSize(80, 123)),
                                                     at - QPoint(600, 339)};
        return BalloonWindow::besideTrueCharacter(balloon, character, screen);
    };
    EXPECT_EQ(beside(QPoint(600, 339)), balloon);
    EXPECT_EQ(beside(QPoint(600, 200)), balloon.translated(0, -139));
    // Kept at 32,32: no room on the left, so right of it, as close.
    EXPECT_EQ(beside(QPoint(32, 32)), QRect(112, 62, 213, 120));
    // A balloon put right of the character, carried off the right edge.
    const BalloonWindow::TrueCharacter farRight{QRect(1180, 100, 80, 123), QPoint(1170, 0)};
    EXPECT_EQ(BalloonWindow::besideTrueCharacter(QRect(95, 100, 213, 120), farRight, screen),
              QRect(1180 - 5 - 213, 100, 213, 120));
}

} // namespace
