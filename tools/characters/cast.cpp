#include "cast.h"

namespace {

constexpr QRgb kFair = 0xFFFFE7D8;
constexpr QRgb kWarm = 0xFFFADCC4;
constexpr QRgb kTan = 0xFFF2CDA8;
constexpr QRgb kBlush = 0xFFFFB4B0;
constexpr Tone kWhite = {0xFFF7F5F0, 0xFFFFFFFF};
constexpr Tone kGold = {0xFFE8B830, 0xFFFFF0A0};

Look velka() {
    Look l;
    l.name = "Velka";
    l.skin = kFair;
    l.blush = kBlush;
    l.hair = {0xFFC4C2E4, 0xFFF0EEFF};
    l.hairStyle = HairStyle::LongStraight;
    l.eyes = Eyes::Calm;
    l.iris = {0xFF7650C0, 0xFFB89CF0};
    l.top = {0xFF2E3C70, 0xFF4A5C9C};
    l.sleeves = Sleeves::Long;
    l.lower = Lower::Dress;
    l.hem = 101;
    l.legs = {0xFF36324A, 0xFF4C4866};
    l.shoes = {0xFF6A4630, 0xFF9A6C4C};
    l.extras = kCollar | kButtons | kStockings;
    l.extra2 = kGold;
    l.accessory = Accessory::MoonPin;
    l.acc = kGold;
    return l;
}

Look dorim() {
    Look l;
    l.name = "Dorim";
    l.skin = kFair;
    l.blush = kBlush;
    l.hair = {0xFFF08CB4, 0xFFFFC8DE};
    l.hairStyle = HairStyle::Bob;
    l.eyes = Eyes::Sleepy;
    l.iris = {0xFFD0882C, 0xFFF8C870};
    l.top = {0xFF64C8A8, 0xFFA4EACE};
    l.sleeves = Sleeves::Long;
    l.lower = Lower::Skirt;
    l.bottom = {0xFF3A4878, 0xFF56689C};
    l.hem = 98;
    l.shoes = {0xFFF4F2EE, 0xFFFFFFFF};
    l.extras = kCollar | kChestBow;
    l.extra2 = {0xFFE0507A, 0xFFFF90B0};
    l.accessory = Accessory::Hairband;
    l.acc = kWhite;
    l.acc2 = {0xFFE0507A, 0xFFFF90B0};
    return l;
}

Look kurro() {
    Look l;
    l.name = "Kurro";
    l.skin = kTan;
    l.blush = 0xFFF4B498;
    l.hair = {0xFF3A3446, 0xFF6E6884};
    l.hairStyle = HairStyle::Spiky;
    l.eyes = Eyes::Sharp;
    l.iris = {0xFFC4562A, 0xFFF09A5A};
    l.top = {0xFFF2F0E8, 0xFFFFFFFF};
    l.sleeves = Sleeves::Short;
    l.lower = Lower::Shorts;
    l.bottom = {0xFFA08C5C, 0xFFC8B482};
    l.hem = 99;
    l.shoes = {0xFFD24A40, 0xFFF28A7A};
    l.extras = kVest;
    l.extra = {0xFF8A5834, 0xFFB27E52};
    l.accessory = Accessory::Bandana;
    l.acc = {0xFFF08A24, 0xFFFFC070};
    l.acc2 = {0xFFF4E4C8, 0xFFFFF6E8};
    return l;
}

Look temmi() {
    Look l;
    l.name = "Temmi";
    l.skin = kFair;
    l.blush = kBlush;
    l.hair = {0xFF5C3C2C, 0xFF8E6450};
    l.hairStyle = HairStyle::Bun;
    l.eyes = Eyes::Calm;
    l.iris = {0xFF3A8A5C, 0xFF7CC89A};
    l.top = {0xFF2C2A3C, 0xFF48465E};
    l.sleeves = Sleeves::Long;
    l.lower = Lower::Dress;
    l.hem = 102;
    l.legs = {0xFFF2F0EC, 0xFFFFFFFF};
    l.shoes = {0xFF2A2630, 0xFF55505E};
    l.extras = kApron | kCollar | kStockings;
    l.extra = kWhite;
    l.accessory = Accessory::MaidCap;
    l.acc = kWhite;
    return l;
}

Look ollio() {
    Look l;
    l.name = "Ollio";
    l.skin = kFair;
    l.blush = kBlush;
    l.hair = {0xFFF2C84C, 0xFFFFF0A8};
    l.hairStyle = HairStyle::Ringlets;
    l.eyes = Eyes::Lady;
    l.iris = {0xFF3A68D4, 0xFF8CB4FA};
    l.top = {0xFFF4A2C4, 0xFFFFD4E6};
    l.sleeves = Sleeves::Short;
    l.puffSleeves = true;
    l.lower = Lower::Dress;
    l.hem = 101;
    l.legs = {0xFFF6F2F0, 0xFFFFFFFF};
    l.shoes = {0xFFD45A86, 0xFFF49AB8};
    l.extras = kChestBow | kStockings | kHemFrill;
    l.extra2 = {0xFFD8406E, 0xFFFF8CAE};
    l.accessory = Accessory::BigBow;
    l.acc = {0xFFD8406E, 0xFFFF8CAE};
    return l;
}

Look fennet() {
    Look l;
    l.name = "Fennet";
    l.skin = kWarm;
    l.blush = kBlush;
    l.hair = {0xFFE4B26C, 0xFFFFE2AE};
    l.hairStyle = HairStyle::Fluffy;
    l.eyes = Eyes::Round;
    l.iris = {0xFFD49A1C, 0xFFF8D46A};
    l.top = {0xFFF49440, 0xFFFFC080};
    l.sleeves = Sleeves::Long;
    l.lower = Lower::Shorts;
    l.bottom = {0xFF6A5A8C, 0xFF8C7CB0};
    l.hem = 96;
    l.shoes = {0xFF8A5A3A, 0xFFB4825A};
    l.extras = kHood | kBoots;
    l.accessory = Accessory::FoxEars;
    l.acc = {0xFFE49A4E, 0xFFFFC882};
    l.acc2 = {0xFFFFC4BC, 0xFFFFFFFF};
    return l;
}

Look quillo() {
    Look l;
    l.name = "Quillo";
    l.skin = kFair;
    l.blush = 0xFFF8BAC0;
    l.hair = {0xFF3C3A7C, 0xFF7A78C4};
    l.hairStyle = HairStyle::SidePony;
    l.eyes = Eyes::Cool;
    l.iris = {0xFF38B4DC, 0xFF9CE8F8};
    l.top = {0xFFD8D6EC, 0xFFF4F2FF};
    l.sleeves = Sleeves::Long;
    l.lower = Lower::Skirt;
    l.bottom = {0xFF34306A, 0xFF4E4A8E};
    l.hem = 97;
    l.legs = {0xFF2C2A36, 0xFF444050};
    l.shoes = {0xFF4A3C66, 0xFF7062A0};
    l.extras = kStockings | kBoots | kChestBow | kCollar;
    l.extra2 = {0xFF2EA6D0, 0xFF8CE0F6};
    l.accessory = Accessory::Feather;
    l.acc = {0xFFF2F6FA, 0xFFFFFFFF};
    l.acc2 = {0xFF38B4DC, 0xFF9CE8F8};
    return l;
}

Look zanna() {
    Look l;
    l.name = "Zanna";
    l.skin = kWarm;
    l.blush = kBlush;
    l.hair = {0xFFB05E38, 0xFFE2966A};
    l.hairStyle = HairStyle::Braid;
    l.eyes = Eyes::Gentle;
    l.iris = {0xFF5E9A3A, 0xFFA4D67A};
    l.top = {0xFFF8F4EA, 0xFFFFFFFF};
    l.sleeves = Sleeves::Long;
    l.lower = Lower::Skirt;
    l.bottom = {0xFF8C5A3C, 0xFFB47E5A};
    l.hem = 99;
    l.shoes = {0xFF6A4230, 0xFF96684C};
    l.extras = kCardigan | kChestBow;
    l.extra = {0xFFF0D890, 0xFFFFF2C4};
    l.extra2 = {0xFF4E9A5E, 0xFF86CC92};
    l.accessory = Accessory::Beret;
    l.acc = {0xFF4E9A5E, 0xFF86CC92};
    return l;
}

Look pomeru() {
    Look l;
    l.name = "Pomeru";
    l.creature = true;
    l.skin = 0xFFE8DAFA;
    l.blush = 0xFFFFB0CC;
    l.hair = {0xFFC8B2EE, 0xFFFAF6FF}; // the fur's shade and shine
    l.eyes = Eyes::Dot;
    l.iris = {0xFF3A2E4E, 0xFF6A5A8A};
    l.top = {0xFFFFF8FC, 0xFFFFFFFF};   // belly
    l.shoes = {0xFFBCA2E8, 0xFFDCCCF8}; // feet and paws
    l.accessory = Accessory::Antenna;
    l.acc = {0xFFFFD040, 0xFFFFF4A8};
    l.acc2 = {0xFFB49ADC, 0xFFD8C8F2};
    return l;
}

Look hirrik() {
    Look l;
    l.name = "Hirrik";
    l.skin = kWarm;
    l.blush = 0xFFF8B8A8;
    l.hair = {0xFFA8744A, 0xFFD6A478};
    l.hairStyle = HairStyle::Messy;
    l.eyes = Eyes::Bright;
    l.iris = {0xFF6A8A34, 0xFFAACC6A};
    l.top = {0xFFF4CE48, 0xFFFFEE9A};
    l.sleeves = Sleeves::Short;
    l.lower = Lower::Trousers;
    l.bottom = {0xFF4A68A4, 0xFF6E8CC8};
    l.shoes = {0xFFF2F0EC, 0xFFFFFFFF};
    l.extras = kEmblem;
    l.extra2 = {0xFF3C78C8, 0xFF7AA8E8};
    l.accessory = Accessory::Cap;
    l.acc = {0xFF3A74D0, 0xFF78A8F0};
    l.acc2 = kWhite;
    return l;
}

Look lumeo() {
    Look l;
    l.name = "Lumeo";
    l.skin = kWarm;
    l.blush = kBlush;
    l.hair = {0xFFFFCC34, 0xFFFFF098};
    l.hairStyle = HairStyle::KidShort;
    l.eyes = Eyes::Round;
    l.iris = {0xFF3A9AEC, 0xFF9AD4FF};
    l.top = {0xFFF6F4F0, 0xFFFFFFFF};
    l.sleeves = Sleeves::Short;
    l.lower = Lower::Shorts;
    l.bottom = {0xFF4A7CCC, 0xFF7EA8EC};
    l.hem = 96;
    l.shoes = {0xFFE2504A, 0xFFFF9088};
    l.extras = kStraps;
    l.extra = {0xFF4A7CCC, 0xFF7EA8EC};
    l.extra2 = {0xFFFFD040, 0xFFFFF4A8};
    l.accessory = Accessory::Propeller;
    l.acc = {0xFFE2504A, 0xFFFF9088};
    l.acc2 = {0xFFFFD040, 0xFFFFF4A8};
    return l;
}

Look ilvenne() {
    Look l;
    l.name = "Ilvenne";
    l.skin = kFair;
    l.blush = kBlush;
    l.hair = {0xFF8CD6C2, 0xFFD4F8EC};
    l.hairStyle = HairStyle::LongWavy;
    l.eyes = Eyes::Gentle;
    l.iris = {0xFF3294A8, 0xFF8CE0E4};
    l.top = {0xFFDCEBFA, 0xFFF4F9FF};
    l.sleeves = Sleeves::Short;
    l.puffSleeves = true;
    l.lower = Lower::Dress;
    l.hem = 100;
    l.shoes = {0xFF74B0E6, 0xFFB4D8F8};
    l.extras = kChestBow | kCollar | kHemFrill | kSash;
    l.extra2 = {0xFF74B0E6, 0xFFB4D8F8};
    l.accessory = Accessory::FlowerCrown;
    l.acc = {0xFFFFA8C8, 0xFFFFE4EE};
    l.acc2 = {0xFF78C060, 0xFFA8E08C};
    return l;
}

} // namespace

const std::array<Look, 12>& cast() {
    static const std::array<Look, 12> kCast = {velka(),  dorim(),  kurro(),  temmi(),
                                               ollio(),  fennet(), quillo(), zanna(),
                                               pomeru(), hirrik(), lumeo(),  ilvenne()};
    return kCast;
}
