#include "feeds/feed_scanner.h"

std::vector<FeedItem> scanFeed(QStringView doc) {
    if (auto items = scanItemBlocks(doc)) {
        return std::move(*items);
    }
    return scanLiteralTags(doc);
}
