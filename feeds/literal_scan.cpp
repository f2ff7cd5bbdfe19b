#include "feeds/feed_scanner.h"
#include "feeds/feed_text.h"

#include <array>

namespace {

constexpr std::array<QStringView, 5> kKnownVersions{u"0.91", u"0.92", u"0.93", u"0.94", u"2.0"};

QString fieldText(QStringView raw) {
    return foldWhiteSpace(xmlTextContent(raw));
}

// The text between the opening tag at `open` and the first `closeTag` after
// it, and where that closing tag is; nothing when it is missing.
struct Between {
    QStringView text;
    qsizetype close = -1;
};
std::optional<Between> between(QStringView doc, qsizetype open, QStringView openTag,
                               QStringView closeTag) {
    const qsizetype close = doc.indexOf(closeTag, open);
    if (close < 0) {
        return std::nullopt;
    }
    const qsizetype from = open + openTag.size();
    if (close < from) {
        return std::nullopt;
    }
    return Between{doc.mid(from, close - from), close};
}

} // namespace

QString feedVersion(QStringView doc) {
    // The declaration's own "version" sits within ten characters of its
    // "xml version"; the search starts past it.
    const qsizetype xml = doc.indexOf(u"xml version");
    const qsizetype from = xml < 0 ? 9 : xml + 10;
    if (from >= doc.size()) {
        return {};
    }
    const qsizetype v = doc.indexOf(u"version", from);
    if (v < 0) {
        return {};
    }
    const qsizetype q1 = doc.indexOf(u'"', v + 1);
    if (q1 < 0) {
        return {};
    }
    const qsizetype q2 = doc.indexOf(u'"', q1 + 1);
    if (q2 < 0) {
        return {};
    }
    const QStringView value = doc.mid(q1 + 1, q2 - q1 - 1);
    for (QStringView known : kKnownVersions) {
        if (value == known) {
            return value.toString();
        }
    }
    return {};
}

std::vector<FeedItem> scanLiteralTags(QStringView doc) {
    static constexpr QStringView kTitle = u"<title>";
    static constexpr QStringView kTitleEnd = u"</title>";
    static constexpr QStringView kLink = u"<link>";
    static constexpr QStringView kLinkEnd = u"</link>";

    const bool titleFirst = !feedVersion(doc).isEmpty();
    const QStringView firstTag = titleFirst ? kTitle : kLink;
    const QStringView firstEnd = titleFirst ? kTitleEnd : kLinkEnd;
    const QStringView secondTag = titleFirst ? kLink : kTitle;
    const QStringView secondEnd = titleFirst ? kLinkEnd : kTitleEnd;

    std::vector<FeedItem> items;
    qsizetype cursor = doc.indexOf(kTitle); // the channel's own title
    while (cursor >= 0) {
        const qsizetype open1 = doc.indexOf(firstTag, cursor + 1);
        if (open1 < 0) {
            break;
        }
        const auto first = between(doc, open1, firstTag, firstEnd);
        if (!first) {
            break;
        }
        const qsizetype open2 = doc.indexOf(secondTag, open1);
        if (open2 < 0) {
            break;
        }
        const auto second = between(doc, open2, secondTag, secondEnd);
        if (!second) {
            break;
        }
        FeedItem item;
        item.title = fieldText(titleFirst ? first->text : second->text);
        item.link = fieldText(titleFirst ? second->text : first->text);
        items.push_back(std::move(item));
        cursor = open2; // the next search starts after the tag just used
    }
    return items;
}
