#include "settings/cp932_stand_in.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct StandIn {
    char32_t from;
    std::u16string_view to;
};

// Sorted by code point. Accented letters are not here: taking away their
// marks finds the base letter.
constexpr std::array kStandIns{
    StandIn{0x0085, u" "},   // next line
    StandIn{0x00A5, u"￥"},  // yen sign
    StandIn{0x00A6, u"￤"},  // broken bar
    StandIn{0x00A9, u"(C)"}, // copyright
    StandIn{0x00AB, u"≪"},   // guillemets
    StandIn{0x00AE, u"(R)"}, // registered
    StandIn{0x00AF, u"￣"},  // macron
    StandIn{0x00B7, u"・"},  // middle dot
    StandIn{0x00BB, u"≫"},   //
    StandIn{0x00C6, u"AE"},  // Æ
    StandIn{0x00D0, u"D"},   // Ð
    StandIn{0x00D8, u"O"},   // Ø
    StandIn{0x00DE, u"Th"},  // Þ
    StandIn{0x00DF, u"ss"},  // ß
    StandIn{0x00E6, u"ae"},  // æ
    StandIn{0x00F0, u"d"},   // ð
    StandIn{0x00F8, u"o"},   // ø
    StandIn{0x00FE, u"th"},  // þ
    StandIn{0x0110, u"D"},   // Đ
    StandIn{0x0111, u"d"},   // đ
    StandIn{0x0126, u"H"},   // Ħ
    StandIn{0x0127, u"h"},   // ħ
    StandIn{0x0131, u"i"},   // dotless i
    StandIn{0x0141, u"L"},   // Ł
    StandIn{0x0142, u"l"},   // ł
    StandIn{0x014A, u"N"},   // Ŋ
    StandIn{0x014B, u"n"},   // ŋ
    StandIn{0x0152, u"OE"},  // Œ
    StandIn{0x0153, u"oe"},  // œ
    StandIn{0x0166, u"T"},   // Ŧ
    StandIn{0x0167, u"t"},   // ŧ
    StandIn{0x0180, u"b"},   // ƀ
    StandIn{0x01B5, u"Z"},   // Ƶ
    StandIn{0x01B6, u"z"},   // ƶ
    StandIn{0x02B9, u"′"},   // modifier prime
    StandIn{0x02BA, u"″"},   // modifier double prime
    StandIn{0x02BB, u"‘"},   // turned comma (okina)
    StandIn{0x02BC, u"’"},   // modifier apostrophe
    StandIn{0x02C6, u"^"},   // modifier circumflex
    StandIn{0x02C8, u"'"},   // modifier vertical line
    StandIn{0x02DC, u"~"},   // small tilde
    StandIn{0x1E9E, u"SS"},  // capital sharp s
    StandIn{0x2011, u"-"},   // non-breaking hyphen
    StandIn{0x2012, u"-"},   // figure dash
    StandIn{0x2013, u"-"},   // en dash
    StandIn{0x2014, u"―"},   // em dash: the code page's own
    StandIn{0x201A, u"‘"},   // low quotes open a quotation
    StandIn{0x201B, u"‘"},   //
    StandIn{0x201E, u"“"},   //
    StandIn{0x201F, u"“"},   //
    StandIn{0x2022, u"・"},  // bullet
    StandIn{0x2027, u"・"},  // hyphenation point
    StandIn{0x2028, u" "},   // line separator
    StandIn{0x2029, u" "},   // paragraph separator
    StandIn{0x2039, u"〈"},  // single guillemets
    StandIn{0x203A, u"〉"},  //
    StandIn{0x203E, u"￣"},  // overline
    StandIn{0x2043, u"-"},   // hyphen bullet
    StandIn{0x2044, u"/"},   // fraction slash (in ½ and the like)
    StandIn{0x2215, u"/"},   // division slash
    StandIn{0x2219, u"・"},  // bullet operator
    StandIn{0x22C5, u"・"},  // dot operator
    StandIn{0x22EF, u"…"},   // midline ellipsis
};

static_assert(std::is_sorted(kStandIns.begin(), kStandIns.end(),
                             [](const StandIn& a, const StandIn& b) { return a.from < b.from; }));

} // namespace

std::optional<std::u16string_view> cp932StandIn(char32_t codePoint) {
    const auto it = std::lower_bound(kStandIns.begin(), kStandIns.end(), codePoint,
                                     [](const StandIn& s, char32_t c) { return s.from < c; });
    if (it == kStandIns.end() || it->from != codePoint) {
        return std::nullopt;
    }
    return it->to;
}
