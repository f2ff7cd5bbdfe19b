#include "ui/qt_platform.h"

#include "core/monitors.h"
#include "ui/effect_channel.h"
#include "ui/sound_player.h"

#include <QApplication>
#include <QDesktopServices>
#include <QNetworkReply>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVarLengthArray>

namespace {

constexpr int kMaxRedirects = 10;
// What the mascot assumes while no monitor is connected.
constexpr QRect kNoScreen(0, 0, 1280, 800);
constexpr qint64 kReadBufferBytes = 256 * 1024;

// What one download has gathered so far.
struct Transfer {
    QByteArray body;
    bool tooLong = false;
    bool timedOut = false;
};

Platform::FetchResult failure(QString reason) {
    return {false, {}, std::move(reason)};
}

} // namespace

QtPlatform::QtPlatform() : QtPlatform(FetchLimits{}) {}
QtPlatform::QtPlatform(FetchLimits limits)
    : limits_(limits), sounds_(std::make_unique<SoundPlayer>(&EffectChannel::make)) {}
QtPlatform::~QtPlatform() = default;

QDateTime QtPlatform::now() const {
    // The tick reads the clock several times every 16 ms; asking the time zone
    // each time stats /etc/localtime. The offset only changes on a minute.
    const qint64 ms = QDateTime::currentMSecsSinceEpoch();
    const qint64 minute = ms / 60000;
    if (minute != offsetMinute_) {
        offsetMinute_ = minute;
        offsetSeconds_ = QDateTime::fromMSecsSinceEpoch(ms).offsetFromUtc();
    }
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::OffsetFromUTC, offsetSeconds_);
}

// Monitors are the screens' whole geometry, not their available part: the
// character stays above panels and docks like any window kept on top, and
// the free area X11 desktops publish is one rectangle for all monitors
// together, left unset by many window managers.
QSize QtPlatform::screenSize() const {
    return primaryMonitor().size();
}

QRect QtPlatform::primaryMonitor() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect();
    return area.isEmpty() ? kNoScreen : area;
}

QRect QtPlatform::monitorAt(QPoint point) const {
    QVarLengthArray<QRect, 8> monitors;
    for (const QScreen* screen : QGuiApplication::screens()) {
        monitors.append(screen->geometry());
    }
    const QRect area = monitorFor(monitors, point);
    return area.isEmpty() ? kNoScreen : area;
}

void QtPlatform::seedRandom(quint32 seed) {
    rng_.seed(seed);
}

double QtPlatform::random() {
    return uniform_(rng_);
}

void QtPlatform::playSound(const QString& source) {
    sounds_->play(source);
}

void QtPlatform::beep() {
    QApplication::beep();
}

bool QtPlatform::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool QtPlatform::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

void QtPlatform::fetch(const QString& url, FetchDone answer) {
    FetchDone done = [this, answer = std::move(answer)](const FetchResult& result) {
        answer(result);
        if (onAnswered_) {
            onAnswered_();
        }
    };
    const QUrl address(url.trimmed(), QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || address.host().isEmpty() ||
        (scheme != u"http" && scheme != u"https")) {
        // Still answered later, as every fetch is.
        QTimer::singleShot(0, [done = std::move(done)] {
            done(failure(QStringLiteral("not an http or https address")));
        });
        return;
    }
    QNetworkRequest request(address);
    // Redirects follow Qt's default policy, which never leaves https for
    // http; gzip and deflate are asked for and unpacked by Qt itself.
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(limits_.timeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("sanpo/0.1 (desktop mascot; feed reader)"));
    QNetworkReply* reply = network_.get(request);
    // Qt's network thread would otherwise read the socket as fast as it
    // delivers and queue it all for this thread: a server at loopback speed
    // outruns the cap below by gigabytes. Bounded, it waits for each read.
    reply->setReadBufferSize(kReadBufferBytes);

    const qint64 maxBytes = limits_.maxBodyBytes;
    auto transfer = std::make_shared<Transfer>();
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, reply, [reply, transfer] {
        transfer->timedOut = true;
        reply->abort();
    });
    deadline->start(limits_.timeoutMs);

    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, transfer, maxBytes] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const bool redirect = status >= 300 && status < 400;
        if (!redirect && length.isValid() && length.toLongLong() > maxBytes) {
            transfer->tooLong = true;
            reply->abort();
        }
    });
    // The body is taken as it comes, so an endless or over-long one (or a
    // small gzip that unpacks to a huge one) never grows past the cap.
    const auto take = [reply, transfer, maxBytes] {
        if (transfer->tooLong) {
            return;
        }
        transfer->body += reply->read(maxBytes - transfer->body.size() + 1);
        if (transfer->body.size() > maxBytes) {
            transfer->tooLong = true;
            transfer->body.clear();
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::readyRead, reply, take);
    QObject::connect(
        reply, &QNetworkReply::finished, reply, [reply, transfer, take, done = std::move(done)] {
            reply->deleteLater();
            if (reply->error() == QNetworkReply::NoError) {
                take();
            }
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            if (transfer->tooLong) {
                done(failure(QStringLiteral("the document is too long")));
            } else if (transfer->timedOut) {
                done(failure(QStringLiteral("the server took too long")));
            } else if (reply->error() != QNetworkReply::NoError) {
                done(failure(reply->errorString()));
            } else if (status < 200 || status >= 300) {
                done(failure(QStringLiteral("HTTP status %1").arg(status)));
            } else {
                done({true, std::move(transfer->body), {}});
            }
        });
}

void QtPlatform::quit() {
    quitAsked_ = true;
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
