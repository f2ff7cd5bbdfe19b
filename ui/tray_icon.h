#pragma once

#include <QObject>

#include <memory>

#include "ui/autostart.h"

class Form1;
class QAction;
class QMenu;
class QSystemTrayIcon;
struct Mascot;

// The mascot's icon in the desktop's tray, where there is one: a left click
// puts the mascot away or brings it back; its menu also opens the panels,
// turns the start at login on and off, and quits. Where the desktop has no
// tray it shows nothing and says nothing.
class TrayIcon : public QObject {
    Q_OBJECT
public:
    TrayIcon(Mascot& m, Form1& form, Autostart autostart);
    ~TrayIcon() override;

private:
    void refresh();
    void toggle();
    void open(int code);

    Mascot& m_;
    Form1& form_;
    Autostart autostart_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon* icon_ = nullptr; // owned by this object
    QAction* shown_ = nullptr;
    QAction* settings_ = nullptr;
    QAction* feeds_ = nullptr;
    QAction* atLogin_ = nullptr;
};
