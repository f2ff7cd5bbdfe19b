#include "ui/escape_quits.h"

#include "core/startup.h"

#include <QKeyEvent>

bool EscapeQuits::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape) {
        return QObject::eventFilter(watched, event);
    }
    // A key held down repeats until the program is gone: one save is enough.
    if (!key->isAutoRepeat()) {
        Form_KeyDown(m_, kKeyEscape, 0);
    }
    return true;
}
