#include "feeds/feed_scanner.h"
#include "feeds/feed_text.h"
#include "feeds/tag_reader.h"

#include <QHash>

#include <array>

namespace {

// Namespaces whose elements mean the same as the unprefixed feed elements.
constexpr std::array<QStringView, 4> kFeedNamespaces{
    u"http://www.w3.org/2005/Atom",
    u"http://purl.org/rss/1.0/",
    u"http://my.netscape.com/rdf/simple/0.9/",
    u"http://backend.userland.com/rss2",
};

// Deeper nesting than this is no feed; the scan ends there.
constexpr qsizetype kMaxDepth = 512;

enum class Field { None, Title, Link, Guid };

struct OpenElement {
    QStringView name;
    qsizetype contentBegin = 0;
};

// What one item block has given so far.
struct Draft {
    std::optional<QString> title;
    QString link;      // from <link> text or an Atom link's href
    QString permalink; // from <guid> when it is a permanent link
    QString about;     // from rdf:about on the item itself
};

bool isWebAddress(QStringView s) {
    return s.startsWith(u"http://", Qt::CaseInsensitive) ||
           s.startsWith(u"https://", Qt::CaseInsensitive);
}

QString cleanAttribute(QStringView raw) {
    return foldWhiteSpace(decodeEntities(raw));
}

class ItemScanner {
public:
    explicit ItemScanner(QStringView doc) : doc_(doc), reader_(doc) {}

    std::optional<std::vector<FeedItem>> run() {
        while (const auto tag = reader_.next()) {
            if (tag->kind == TagReader::Kind::End) {
                closeElement(*tag);
                continue;
            }
            if (tag->attrs.contains(u':') && tag->attrs.contains(u"xmlns:")) {
                learnPrefixes(tag->attrs);
            }
            if (isFeedElement(tag->name, u"item") || isFeedElement(tag->name, u"entry")) {
                startItem(*tag);
                continue;
            }
            if (inItem() && depth() == itemIndex_ + 1) {
                childOfItem(*tag);
            }
            if (tag->kind == TagReader::Kind::Start) {
                if (depth() >= kMaxDepth) {
                    break;
                }
                stack_.push_back({tag->name, tag->end});
            }
        }
        // The document ended inside a block: what was complete counts.
        if (inItem()) {
            finishItem();
        }
        if (!sawItem_) {
            return std::nullopt;
        }
        return std::move(items_);
    }

private:
    [[nodiscard]] bool inItem() const { return itemIndex_ >= 0; }
    [[nodiscard]] qsizetype depth() const { return static_cast<qsizetype>(stack_.size()); }
    [[nodiscard]] const OpenElement& at(qsizetype i) const {
        return stack_[static_cast<std::size_t>(i)];
    }

    void learnPrefixes(QStringView attrs) {
        qsizetype at = attrs.indexOf(u"xmlns:");
        while (at >= 0) {
            const qsizetype nameBegin = at + 6;
            qsizetype nameEnd = nameBegin;
            while (nameEnd < attrs.size() && attrs[nameEnd] != u'=' && !attrs[nameEnd].isSpace()) {
                ++nameEnd;
            }
            const QStringView prefix = attrs.mid(nameBegin, nameEnd - nameBegin);
            const QStringView attrName = attrs.mid(at, nameEnd - at);
            if (const auto uri = attributeValue(attrs, attrName)) {
                prefixes_.insert(prefix.toString(), uri->trimmed().toString());
            }
            at = attrs.indexOf(u"xmlns:", nameEnd);
        }
    }

    // True for `local` unprefixed, or under a prefix bound to a feed
    // namespace ("atom:" and "rss:" also when unbound).
    [[nodiscard]] bool isFeedElement(QStringView name, QStringView local) const {
        if (name == local) {
            return true;
        }
        if (!name.endsWith(local) || localName(name) != local) {
            return false;
        }
        const QStringView prefix = namePrefix(name);
        const auto it = prefixes_.constFind(prefix.toString());
        if (it == prefixes_.constEnd()) {
            return prefix == u"atom" || prefix == u"rss";
        }
        for (QStringView ns : kFeedNamespaces) {
            if (*it == ns) {
                return true;
            }
        }
        return false;
    }

    void startItem(const TagReader::Tag& tag) {
        if (inItem()) {
            // A block that was never closed ends where the next one starts.
            const qsizetype open = itemIndex_;
            finishItem();
            stack_.resize(static_cast<std::size_t>(open));
        }
        sawItem_ = true;
        if (tag.kind != TagReader::Kind::Start) {
            return; // <item/> holds nothing
        }
        if (depth() >= kMaxDepth) {
            return;
        }
        itemIndex_ = depth();
        draft_ = Draft{};
        if (const auto about = attributeValue(tag.attrs, u"rdf:about")) {
            draft_.about = cleanAttribute(*about);
        }
        stack_.push_back({tag.name, tag.end});
    }

    void childOfItem(const TagReader::Tag& tag) {
        const bool empty = tag.kind == TagReader::Kind::Empty;
        if (isFeedElement(tag.name, u"title")) {
            if (!empty && !draft_.title && capture_ == Field::None) {
                startCapture(Field::Title, tag);
            }
        } else if (isFeedElement(tag.name, u"link")) {
            if (const auto href = attributeValue(tag.attrs, u"href")) {
                // Atom: the page of the entry is the alternate link.
                const auto rel = attributeValue(tag.attrs, u"rel");
                const bool alternate = !rel || rel->trimmed() == u"alternate";
                if (alternate && draft_.link.isEmpty()) {
                    draft_.link = cleanAttribute(*href);
                }
            } else if (!empty && draft_.link.isEmpty() && capture_ == Field::None) {
                startCapture(Field::Link, tag);
            }
        } else if (tag.name == u"guid") {
            const auto permalink = attributeValue(tag.attrs, u"isPermaLink");
            if (!empty && (!permalink || permalink->trimmed() != u"false") &&
                capture_ == Field::None) {
                startCapture(Field::Guid, tag);
            }
        }
    }

    void startCapture(Field field, const TagReader::Tag& tag) {
        capture_ = field;
        captureIndex_ = depth();
        const auto type = attributeValue(tag.attrs, u"type");
        captureHtml_ = type && (type->trimmed() == u"html" || type->trimmed() == u"text/html");
    }

    void finishCapture(QStringView raw) {
        QString text = xmlTextContent(raw);
        if (captureHtml_) {
            text = htmlToText(text);
        }
        text = foldWhiteSpace(text);
        switch (capture_) {
        case Field::Title:
            draft_.title = std::move(text);
            break;
        case Field::Link:
            draft_.link = std::move(text);
            break;
        case Field::Guid:
            draft_.permalink = std::move(text);
            break;
        case Field::None:
            break;
        }
        capture_ = Field::None;
    }

    void closeElement(const TagReader::Tag& tag) {
        qsizetype j = depth() - 1;
        while (j >= 0 && at(j).name != tag.name) {
            --j;
        }
        if (j < 0) {
            return; // a stray end tag
        }
        // Elements above j were never closed: what they were collecting is
        // dropped, a block among them ends with what it has.
        if (capture_ != Field::None && captureIndex_ > j) {
            capture_ = Field::None;
        }
        if (inItem() && itemIndex_ > j) {
            finishItem();
        }
        if (capture_ != Field::None && captureIndex_ == j) {
            const qsizetype from = at(j).contentBegin;
            finishCapture(doc_.mid(from, tag.begin - from));
        }
        if (inItem() && itemIndex_ == j) {
            finishItem();
        }
        stack_.resize(static_cast<std::size_t>(j));
    }

    void finishItem() {
        capture_ = Field::None;
        itemIndex_ = -1;
        QString link = draft_.link;
        if (link.isEmpty() && isWebAddress(draft_.permalink)) {
            link = draft_.permalink;
        }
        if (link.isEmpty() && isWebAddress(draft_.about)) {
            link = draft_.about;
        }
        if (draft_.title && !draft_.title->isEmpty() && !link.isEmpty()) {
            items_.push_back({std::move(*draft_.title), std::move(link)});
        }
        draft_ = Draft{};
    }

    QStringView doc_;
    TagReader reader_;
    std::vector<OpenElement> stack_;
    QHash<QString, QString> prefixes_;
    std::vector<FeedItem> items_;
    bool sawItem_ = false;
    qsizetype itemIndex_ = -1;
    Draft draft_;
    Field capture_ = Field::None;
    qsizetype captureIndex_ = -1;
    bool captureHtml_ = false;
};

} // namespace

std::optional<std::vector<FeedItem>> scanItemBlocks(QStringView doc) {
    return ItemScanner(doc).run();
}
