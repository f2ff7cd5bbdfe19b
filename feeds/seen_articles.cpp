#include "feeds/seen_articles.h"

namespace {

constexpr QByteArrayView kHeader = "SEEN1 ";
constexpr qsizetype kKeyDigits = 16;

constexpr quint64 kFnvBasis = 0xcbf29ce484222325ULL;
constexpr quint64 kFnvPrime = 0x100000001b3ULL;

quint64 mix(quint64 h, unsigned char byte) {
    return (h ^ byte) * kFnvPrime;
}

// Over the UTF-16 code units, low byte first on every machine.
quint64 titleKey(const QString& title) {
    quint64 h = kFnvBasis;
    for (const QChar c : title) {
        h = mix(h, static_cast<unsigned char>(c.unicode() & 0xff));
        h = mix(h, static_cast<unsigned char>(c.unicode() >> 8));
    }
    return h;
}

QByteArray hex(quint64 value) {
    return QByteArray::number(value, 16).rightJustified(kKeyDigits, '0');
}

} // namespace

quint64 SeenArticles::fingerprint(QByteArrayView bytes) {
    quint64 h = kFnvBasis;
    for (const char c : bytes) {
        h = mix(h, static_cast<unsigned char>(c));
    }
    return h;
}

bool SeenArticles::contains(const QString& title) const {
    return !title.isEmpty() && where_.contains(titleKey(title));
}

void SeenArticles::note(const QString& title) {
    if (!title.isEmpty()) {
        noteKey(titleKey(title));
    }
}

void SeenArticles::noteKey(Key key) {
    if (capacity_ == 0) {
        return;
    }
    if (const auto found = where_.find(key); found != where_.end()) {
        order_.splice(order_.end(), order_, found->second);
        return;
    }
    if (order_.size() >= capacity_) {
        where_.erase(order_.front());
        order_.pop_front();
    }
    order_.push_back(key);
    where_.emplace(key, std::prev(order_.end()));
}

void SeenArticles::clear() {
    order_.clear();
    where_.clear();
}

QByteArray SeenArticles::encode(quint64 owner) const {
    QByteArray out;
    out.reserve(static_cast<qsizetype>((order_.size() + 1) * (kKeyDigits + 1) + kHeader.size()));
    out.append(kHeader).append(hex(owner)).append('\n');
    for (const Key key : order_) {
        out.append(hex(key)).append('\n');
    }
    return out;
}

bool SeenArticles::decode(QByteArrayView bytes, quint64 owner) {
    clear();
    const qsizetype firstEnd = bytes.indexOf('\n');
    const QByteArrayView header = bytes.first(firstEnd < 0 ? bytes.size() : firstEnd);
    if (header != QByteArray(kHeader.toByteArray() + hex(owner))) {
        // Missing, damaged, or written with another data file than the one
        // loaded: its titles may not match the store, so none are trusted.
        return false;
    }
    qsizetype pos = firstEnd + 1;
    while (pos > 0 && pos < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0) {
            end = bytes.size();
        }
        const QByteArrayView line = bytes.sliced(pos, end - pos);
        pos = end + 1;
        bool ok = false;
        const Key key = line.size() == kKeyDigits ? line.toULongLong(&ok, 16) : 0;
        if (ok) {
            noteKey(key);
        }
    }
    return true;
}
