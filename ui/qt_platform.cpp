#include "ui/qt_platform.h"

#include "ui/effect_channel.h"
#include "ui/sound_player.h"

#include <QApplication>
#include <QNetworkReply>
#include <QProcess>
#include <QScreen>
#include <QUrl>

namespace {
constexpr int kTransferTimeoutMs = 15000;
constexpr qint64 kMaxBodyBytes = 8 * 1024 * 1024;
} // namespace

QtPlatform::QtPlatform() : sounds_(std::make_unique<SoundPlayer>(&EffectChannel::make)) {}
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

QSize QtPlatform::screenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1280, 800);
}

void QtPlatform::seedRandom(quint32 seed) { rng_.seed(seed); }

double QtPlatform::random() { return uniform_(rng_); }

void QtPlatform::playSound(const QString& source) { sounds_->play(source); }

void QtPlatform::beep() { QApplication::beep(); }

bool QtPlatform::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

void QtPlatform::fetch(const QString& url, FetchDone done) {
    const QUrl address(url);
    const QString scheme = address.scheme().toLower();
    if (!address.isValid() || (scheme != u"http" && scheme != u"https")) {
        done(FetchResult{false, {}, QStringLiteral("not an http or https address")});
        return;
    }
    QNetworkRequest request(address);
    request.setTransferTimeout(kTransferTimeoutMs);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("sanpo/0.1 (desktop mascot)"));
    QNetworkReply* reply = network_.get(request);
    auto tooLong = std::make_shared<bool>(false);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, tooLong](qint64 received, qint64) {
                         if (received > kMaxBodyBytes && !*tooLong) {
                             *tooLong = true;
                             reply->abort();
                         }
                     });
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, tooLong, done] {
        reply->deleteLater();
        FetchResult result;
        if (*tooLong) {
            result.error = QStringLiteral("the document is too long");
        } else if (reply->error() != QNetworkReply::NoError) {
            result.error = reply->errorString();
        } else {
            result.body = reply->readAll();
            result.ok = result.body.size() <= kMaxBodyBytes;
            if (!result.ok) {
                result.body.clear();
                result.error = QStringLiteral("the document is too long");
            }
        }
        done(result);
    });
}

void QtPlatform::quit() {
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
