#pragma once

#include <QEvent>
#include <QObject>

// Counts what a window and its children ask of the window system.
class RequestCounter : public QObject {
public:
    int requests = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Paint:
        case QEvent::UpdateRequest:
            ++requests;
            break;
        default:
            break;
        }
        return QObject::eventFilter(o, e);
    }
};
