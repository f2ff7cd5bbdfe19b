#pragma once

#include <QString>

struct Mascot;

// The twelve characters, in index order.
struct CharacterInfo {
    const char16_t* name;
};
inline constexpr CharacterInfo kCharacters[] = {
    {u"Velka"},  {u"Dorim"}, {u"Kurro"},  {u"Temmi"},  {u"Ollio"}, {u"Fennet"},
    {u"Quillo"}, {u"Zanna"}, {u"Pomeru"}, {u"Hirrik"}, {u"Lumeo"}, {u"Ilvenne"},
};

// Picture ids of character `index`: body sheet and eye strip.
[[nodiscard]] constexpr int bodyPictureId(int index) {
    return 101 + 2 * index;
}
[[nodiscard]] constexpr int eyePictureId(int index) {
    return 102 + 2 * index;
}
// The resource path of picture `id`.
[[nodiscard]] QString picturePath(int id);

// Builds the character list and selects the character from the stored list
// entry. An entry that names no character sends start-up back to the
// first-run set-up.
void KyaraIchiran(Mascot& m);

// Loads the body sheet and eye strip of the current character.
void GazouYomikomi(Mascot& m);
