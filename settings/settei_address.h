#pragma once

#include <QRgb>
#include <QString>

#include <optional>

struct SetteiModel;

// The settings panel's answer to the feed address typed into it. Nothing is
// reported in dialogs, so an address the panel refuses is shown where it
// was typed: the address box and its label turn red, and the label says
// what is wanted, until the box is edited or filled from the list.

inline constexpr QRgb kRefusedAddressGround = qRgb(255, 200, 200);
inline const QString kAddressWanted = QStringLiteral("RSSアドレス：http://～の形で");
inline const QString kAddressMissing = QStringLiteral("RSSアドレス：入力してください");

// Returns the address in the box in the form it is registered and fetched
// (see feedAddress), and shows that form in the box. Returns nothing, and
// shows the refusal, when the box holds no address.
[[nodiscard]] std::optional<QString> takeFeedAddress(SetteiModel& s);

// Takes back the refusal shown by takeFeedAddress.
void clearAddressRefusal(SetteiModel& s);
