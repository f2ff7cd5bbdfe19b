#include "ui/tray_icon.h"

#include "core/hiding.h"
#include "core/mascot.h"
#include "core/startup.h"
#include "settings/choice_menu.h"
#include "settings/outside_commands.h"
#include "ui/form1.h"

#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {
QIcon programIcon() {
    QIcon own;
    for (const int size : {48, 64}) {
        own.addFile(QStringLiteral(":/icons/sanpo-%1.png").arg(size), QSize(size, size));
    }
    return QIcon::fromTheme(QStringLiteral("sanpo"), own);
}
} // namespace

TrayIcon::TrayIcon(Mascot& m, Form1& form, Autostart autostart)
    : m_(m), form_(form), autostart_(std::move(autostart)), menu_(std::make_unique<QMenu>()) {
    shown_ = menu_->addAction(QStringLiteral("隠れる"), this, &TrayIcon::toggle);
    settings_ = menu_->addAction(QStringLiteral("設定変更する"), this,
                                 [this] { open(ActionCode::Settings); });
    feeds_ =
        menu_->addAction(QStringLiteral("RSSメニュー"), this, [this] { open(ActionCode::Feeds); });
    menu_->addSeparator();
    atLogin_ = menu_->addAction(QStringLiteral("ログイン時に起動する"));
    atLogin_->setCheckable(true);
    connect(atLogin_, &QAction::triggered, this,
            [this](bool on) { atLogin_->setChecked(autostart_.setEnabled(on)); });
    menu_->addSeparator();
    // Saves and ends the program exactly as Esc does.
    menu_->addAction(QStringLiteral("終了する"), this, [this] { Form_KeyDown(m_, kKeyEscape, 0); });
    connect(menu_.get(), &QMenu::aboutToShow, this, &TrayIcon::refresh);
    connect(&form_, &Form1::hiddenChanged, this, &TrayIcon::refresh);

    icon_ = new QSystemTrayIcon(programIcon(), this);
    icon_->setToolTip(QStringLiteral("sanpo"));
    icon_->setContextMenu(menu_.get());
    connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::Trigger) {
            toggle();
        }
    });
    refresh();
    // Shows once a tray is there, also one that starts after the program.
    icon_->show();
}

TrayIcon::~TrayIcon() = default;

void TrayIcon::refresh() {
    shown_->setText(isHidden(m_) ? QStringLiteral("出てくる") : QStringLiteral("隠れる"));
    const bool running = m_.st.phase == Phase::Running;
    settings_->setEnabled(running);
    feeds_->setEnabled(running);
    atLogin_->setChecked(autostart_.enabled());
}

void TrayIcon::toggle() {
    toggleShown(m_);
    form_.sync();
    form_.wakeOnNextTick();
}

void TrayIcon::open(int code) {
    if (openFromOutside(m_, code)) {
        form_.sync();
        form_.wakeOnNextTick();
    }
}
