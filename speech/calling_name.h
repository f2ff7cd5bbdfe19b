#pragma once

#include <QString>
#include <QStringView>

// How a character calls the user: `name` followed by the line's `suffix`
// ("さん。", "様。", "さん、", "。" …). The honorific that starts the suffix
// is left off where Japanese would not say it: "さん" after the default
// name "あなた", and any after a name that already ends in an honorific
// ("田中さん", "ゆき様", "先輩くん"), so no one is called "あなたさん" or
// "田中さんさん". The rest of the suffix stays.
[[nodiscard]] QString calledBy(const QString& name, QStringView suffix);
