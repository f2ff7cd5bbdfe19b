#pragma once

#include <QString>

// One article as a feed document names it.
struct FeedItem {
    QString title;
    QString link;
    bool operator==(const FeedItem&) const = default;
};
