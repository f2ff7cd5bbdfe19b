#pragma once

#include <QtGlobal>

#include <array>

// A fixed list numbered from 1, as the mascot's feeds (1..10) and articles
// (1..200) are numbered everywhere in its logic and its data file.
template <typename T, int N> class Slots {
public:
    static constexpr int count = N;

    T& operator[](int i) {
        Q_ASSERT(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        Q_ASSERT(i >= 1 && i <= N);
        return items_[static_cast<std::size_t>(i - 1)];
    }
    void fill(const T& value) { items_.fill(value); }
    bool operator==(const Slots&) const = default;

private:
    std::array<T, N> items_{};
};
