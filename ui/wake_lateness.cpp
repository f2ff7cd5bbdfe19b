#include "ui/wake_lateness.h"

WakeLateness::WakeLateness() {
    const QString path = qEnvironmentVariable("SANPO_LATENESS_FILE");
    if (!path.isEmpty()) {
        log_.setFileName(path);
        if (!log_.open(QIODevice::Append | QIODevice::Unbuffered)) {
            qWarning("sanpo: cannot write the lateness log %s", qPrintable(path));
        }
    }
}

void WakeLateness::woke(qint64 nowMs) {
    const qint64 late = nowMs - plannedAt_;
    if (!log_.isOpen() || plannedAt_ < 0 || late <= kWorthNoting) {
        return;
    }
    plannedAt_ = -1;
    log_.write(QByteArray::number(nowMs) + ' ' + QByteArray::number(late) + '\n');
}
