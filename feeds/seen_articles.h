#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <list>
#include <unordered_map>

// Titles that have left the article store, so that an article that fell off
// its end is not taken for a new one when a feed still lists it. The store
// holds only 200 articles while the registered feeds together may list more.
//
// The record is bounded: it keeps the titles seen most recently (left the
// store, or listed again by a feed) and forgets the longest unseen first.
// Titles are kept as 64-bit fingerprints of their stored form.
class SeenArticles {
public:
    static constexpr std::size_t kDefaultCapacity = 4096;

    explicit SeenArticles(std::size_t capacity = kDefaultCapacity) : capacity_(capacity) {}
    // The index points into the order list: moved along with it, never copied.
    SeenArticles(const SeenArticles&) = delete;
    SeenArticles& operator=(const SeenArticles&) = delete;
    SeenArticles(SeenArticles&&) = default;
    SeenArticles& operator=(SeenArticles&&) = default;

    [[nodiscard]] bool contains(const QString& title) const;
    // Records `title` as the one seen last; when the record is full the one
    // seen longest ago is forgotten. An empty title is not recorded.
    void note(const QString& title);
    void clear();
    [[nodiscard]] std::size_t size() const { return order_.size(); }

    // Returns the record as text: a header line naming `owner` (a
    // fingerprint of what it belongs with), then one fingerprint a line, the
    // one seen longest ago first.
    [[nodiscard]] QByteArray encode(quint64 owner) const;
    // Replaces the record by the one in `bytes` when its header names
    // `owner`; returns false and leaves the record empty otherwise. Lines
    // that are not fingerprints are skipped.
    bool decode(QByteArrayView bytes, quint64 owner);

    // A stable 64-bit fingerprint (FNV-1a), the same in every run and build.
    [[nodiscard]] static quint64 fingerprint(QByteArrayView bytes);

private:
    using Key = quint64;
    void noteKey(Key key);

    std::size_t capacity_;
    std::list<Key> order_; // seen longest ago first
    std::unordered_map<Key, std::list<Key>::iterator> where_;
};
