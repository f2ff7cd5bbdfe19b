#include "speech/calling_name.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

QStringView view(std::u16string_view s) {
    return {s.data(), static_cast<qsizetype>(s.size())};
}

// Honorifics the lines put after the name.
constexpr std::array<std::u16string_view, 2> kHonorifics{u"さん", u"様"};

// Endings of a name that already carries one.
constexpr std::array<std::u16string_view, 10> kNameHonorifics{
    u"さん", u"様", u"さま", u"サン", u"ちゃん", u"くん", u"君", u"殿", u"氏", u"先生"};

} // namespace

QString calledBy(const QString& name, QStringView suffix) {
    for (std::u16string_view h : kHonorifics) {
        if (!suffix.startsWith(view(h))) {
            continue;
        }
        const bool plainDefault = h == u"さん" && name == u"あなた";
        const bool carriesOne =
            std::any_of(kNameHonorifics.begin(), kNameHonorifics.end(),
                        [&name](std::u16string_view e) { return name.endsWith(view(e)); });
        if (plainDefault || carriesOne) {
            return name + suffix.mid(static_cast<qsizetype>(h.size())).toString();
        }
    }
    return name + suffix.toString();
}
