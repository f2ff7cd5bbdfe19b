#include "settings/settei_address.h"

#include "feeds/feed_address.h"
#include "settings/settei_model.h"

namespace {

void showRefusal(SetteiModel& s, const QString& caption) {
    LabelModel& label = s.SetteiMoji[SetteiLabel::FeedUrl];
    label.caption = caption;
    label.background = QColor(kRefusedAddressGround);
    s.Text2.background = QColor(kRefusedAddressGround);
}

} // namespace

std::optional<QString> takeFeedAddress(SetteiModel& s) {
    std::optional<QString> address = feedAddress(s.Text2.text);
    if (!address) {
        showRefusal(s, s.Text2.text.trimmed().isEmpty() ? kAddressMissing : kAddressWanted);
        return std::nullopt;
    }
    s.Text2.text = *address;
    clearAddressRefusal(s);
    return address;
}

void clearAddressRefusal(SetteiModel& s) {
    LabelModel& label = s.SetteiMoji[SetteiLabel::FeedUrl];
    label.caption = QStringLiteral("RSSアドレス");
    label.background = QColor();
    s.Text2.background = QColor();
}
