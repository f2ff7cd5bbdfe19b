#pragma once

#include <QStringView>

#include <optional>

// Walks the tags of a document that may not be well-formed XML. Comments,
// CDATA sections, processing instructions and declarations are passed over
// whole, so markup inside them is never taken for a tag; a "<" that cannot
// start a tag is text. Never reads past the end and always moves forward.
class TagReader {
public:
    enum class Kind { Start, End, Empty };
    struct Tag {
        Kind kind = Kind::Start;
        QStringView name;    // qualified name as written, "rdf:li"
        QStringView attrs;   // the raw text between the name and ">" or "/>"
        qsizetype begin = 0; // index of "<"
        qsizetype end = 0;   // index just past ">"
    };

    explicit TagReader(QStringView doc) : doc_(doc) {}

    // Returns the next tag, or nothing at the end of the document or of the
    // last complete tag.
    [[nodiscard]] std::optional<Tag> next();

private:
    QStringView doc_;
    qsizetype pos_ = 0;
};

// Returns the raw value of attribute `name` in a tag's attribute text.
[[nodiscard]] std::optional<QStringView> attributeValue(QStringView attrs, QStringView name);

// Returns the part of a qualified name after its prefix.
[[nodiscard]] QStringView localName(QStringView qualified);
// Returns the prefix of a qualified name, empty when it has none.
[[nodiscard]] QStringView namePrefix(QStringView qualified);
