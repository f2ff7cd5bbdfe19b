#include "feeds/feed_address.h"

#include <QUrl>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

bool startsWith(QStringView text, QStringView prefix) {
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

// Endings of file names that no top-level domain has: "rss.xml" alone is
// a file, not a server.
constexpr std::array<std::u16string_view, 10> kFileEndings{
    u"xml", u"rdf", u"rss", u"atom", u"php", u"cgi", u"html", u"htm", u"json", u"txt"};

bool isFileEnding(QStringView label) {
    return std::any_of(kFileEndings.begin(), kFileEndings.end(), [label](std::u16string_view e) {
        return label.compare(QStringView(e.data(), qsizetype(e.size())), Qt::CaseInsensitive) == 0;
    });
}

bool isDigits(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A dotted host name (its last part more than digits and no file ending),
// "localhost", or an IPv4 address.
bool isServerName(QStringView host) {
    if (host.compare(u"localhost", Qt::CaseInsensitive) == 0) {
        return true;
    }
    const QList<QStringView> labels = host.split(u'.');
    if (labels.size() < 2) {
        return false;
    }
    for (QStringView label : labels) {
        if (label.isEmpty() || label.startsWith(u'-') || label.endsWith(u'-') ||
            !std::all_of(label.begin(), label.end(),
                         [](QChar c) { return c.isLetterOrNumber() || c == u'-'; })) {
            return false;
        }
    }
    if (std::all_of(labels.begin(), labels.end(), isDigits)) {
        return labels.size() == 4;
    }
    return !isDigits(labels.back()) && !isFileEnding(labels.back());
}

// True when `authority` (what stands before the first "/", "?" or "#") can
// only name a server, with or without a port: then the address lacks only
// its scheme.
bool isServer(QStringView authority) {
    QStringView host = authority;
    if (authority.startsWith(u'[')) { // an IPv6 address
        const qsizetype close = authority.indexOf(u']');
        if (close < 0) {
            return false;
        }
        const QStringView after = authority.mid(close + 1);
        return after.isEmpty() || (after.startsWith(u':') && isDigits(after.mid(1)));
    }
    const qsizetype colon = authority.indexOf(u':');
    if (colon >= 0) {
        if (!isDigits(authority.mid(colon + 1))) {
            return false; // another scheme: "mailto:", "file:", "ftp:"
        }
        host = authority.left(colon);
    }
    return isServerName(host);
}

QStringView authorityOf(QStringView address) {
    qsizetype end = address.size();
    for (QChar c : {u'/', u'?', u'#'}) {
        const qsizetype at = address.indexOf(c);
        if (at >= 0 && at < end) {
            end = at;
        }
    }
    return address.left(end);
}

bool isInvisible(QChar c) {
    return c.isSpace() || c.category() == QChar::Other_Format;
}

// Takes away spaces and invisible characters (a pasted zero-width space or
// byte order mark) at both ends, and the angle brackets that mail and
// documents put around addresses.
QString trimmedAddress(const QString& typed) {
    QStringView s(typed);
    while (!s.isEmpty() && isInvisible(s.front())) {
        s = s.mid(1);
    }
    while (!s.isEmpty() && isInvisible(s.back())) {
        s.chop(1);
    }
    if (s.size() >= 2 && s.front() == u'<' && s.back() == u'>') {
        return trimmedAddress(s.mid(1, s.size() - 2).toString());
    }
    return s.toString();
}

} // namespace

std::optional<QString> feedAddress(const QString& typed) {
    QString s = trimmedAddress(typed);
    if (std::any_of(s.begin(), s.end(), [](QChar c) {
            return isInvisible(c) || c.category() == QChar::Other_Control;
        })) {
        return std::nullopt;
    }
    if (startsWith(s, u"feed:")) {
        s.remove(0, 5);
        if (s.startsWith(u"//")) {
            s.prepend(QStringLiteral("http:"));
        } else if (!startsWith(s, u"http://") && !startsWith(s, u"https://")) {
            return std::nullopt;
        }
    } else if (startsWith(s, u"ttp://") || startsWith(s, u"ttps://")) {
        s.prepend(u'h');
    }

    QString scheme = QStringLiteral("http");
    QStringView rest;
    if (startsWith(s, u"http://")) {
        rest = QStringView(s).mid(7);
    } else if (startsWith(s, u"https://")) {
        scheme = QStringLiteral("https");
        rest = QStringView(s).mid(8);
    } else {
        rest = s.startsWith(u"//") ? QStringView(s).mid(2) : QStringView(s);
        if (!isServer(authorityOf(rest))) {
            return std::nullopt;
        }
    }
    // Pasted twice, or a scheme given twice: there is no server name here.
    for (QStringView doubled : {u"http:", u"https:", u"feed:"}) {
        if (startsWith(rest, doubled)) {
            return std::nullopt;
        }
    }

    QString address = scheme + QStringLiteral("://") + rest.toString();
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) {
        return std::nullopt;
    }
    return address;
}
