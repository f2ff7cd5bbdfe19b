#pragma once

#include "core/press_guard.h"
#include "speech/hanasu_box.h"

#include <QRegion>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

struct Mascot;
class WindowMover;
class BalloonText;
class ChoiceLabel;

// The speech balloon: its own small window beside the character, above it,
// that mirrors the core's balloon model (HanasuBox) and passes the pointer's
// moves and presses on the choices to the core. A press that belongs to the
// click before it (see core/press_guard.h) runs nothing. It never takes the
// keyboard focus.
class BalloonWindow : public QWidget {
    Q_OBJECT
public:
    // What the window calls when the pointer moves over choice `index` or a
    // button is pressed on it. The defaults are the core's choice handlers.
    struct ChoiceHandlers {
        std::function<void(Mascot&, int)> moved;
        std::function<void(Mascot&, int)> pressed;
    };
    [[nodiscard]] static ChoiceHandlers coreHandlers();

    // `parent` is the character's window: the balloon is kept above it.
    explicit BalloonWindow(Mascot& m, QWidget* parent = nullptr);
    BalloonWindow(Mascot& m, ChoiceHandlers handlers, QWidget* parent = nullptr);
    ~BalloonWindow() override;

    // Brings the window in line with the model; sends nothing to the window
    // system when the model did not change since the last sync.
    void sync();

    // Sends the window's place and size again at the next sync.
    void placeAgain() { placed_.reset(); }

    // Moves the window through `mover` from now on (it must outlive this).
    void setMover(WindowMover* mover) { mover_ = mover; }

    // Where the character's window really is, and how far that is from
    // where the program put it.
    struct TrueCharacter {
        QRect rect;
        QPoint displacement;
    };
    // For a desktop that places the character's window itself: from now on
    // the balloon places itself past the window manager, beside where
    // `character` says the character really is.
    void followDisplacedCharacter(std::function<TrueCharacter()> character);

    // The outline of the balloon at `size`: its window shape and what it paints.
    [[nodiscard]] static QRegion outline(QSize size);

    // Where `balloon`, placed beside the character where the program put
    // it, goes beside where the character really is: moved with it, and to
    // its other side where that would leave `screen`.
    [[nodiscard]] static QRect besideTrueCharacter(QRect balloon, const TrueCharacter& character,
                                                   QRect screen);

signals:
    // A choice was pressed: what it did may want the next tick at once.
    void choiceMade();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void choiceMoved(int index);
    void choicePressed(int index, PressKind kind);

    Mascot& m_;
    WindowMover* mover_ = nullptr;
    std::function<TrueCharacter()> trueCharacter_;
    ChoiceHandlers handlers_;
    BalloonText* text_;
    std::array<ChoiceLabel*, kChoiceLabels> choices_{};
    std::optional<QRect> placed_; // last geometry given to the window system
    PressGuard guard_;
    int offersSeen_ = 0; // the model's count of offers when last synced
    QRegion outer_;
    QRegion inner_;
};
