#pragma once

#include <QObject>

struct Mascot;

// Esc saves and quits from whichever window of the program has the keyboard:
// the character, a panel, a text box inside one, an open drop-down list.
// Installed on the application, so no window can swallow the key first.
class EscapeQuits : public QObject {
public:
    explicit EscapeQuits(Mascot& m) : m_(m) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Mascot& m_;
};
