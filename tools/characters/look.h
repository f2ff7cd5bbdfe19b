#pragma once

#include <QRgb>

// A flat colour with its one highlight tone.
struct Tone {
    QRgb base = 0;
    QRgb hi = 0;
};

enum class HairStyle {
    LongStraight, // straight bangs, long straight hair to the waist
    Bob,          // chin-length bob with swept bangs
    Spiky,        // short, wild spikes
    Bun,          // neat parted bangs, a bun at the back
    Ringlets,     // long curled drills at both sides
    Fluffy,       // short fluffy hair
    SidePony,     // long bangs, a ponytail over one side
    Braid,        // one braid over the shoulder
    Messy,        // tousled medium hair
    KidShort,     // short tufty hair
    LongWavy,     // long soft waves
};

enum class Lower { Skirt, Shorts, Trousers, Dress };
enum class Sleeves { Short, Long };

enum class Accessory {
    MoonPin,     // crescent hair pin
    Hairband,    // band over the head with a small bow
    Bandana,     // headband tied at the back, plaster on the cheek
    MaidCap,     // frilled headdress
    BigBow,      // a large bow on top of the head
    FoxEars,     // big fox ears and a tail
    Feather,     // feather quill at the ponytail's tie
    Beret,       // soft beret
    Antenna,     // a stalk with a star on top (the creature)
    Cap,         // cap worn backwards
    Propeller,   // propeller beanie
    FlowerCrown, // ring of small flowers
};

enum class Eyes { Gentle, Lady, Sharp, Round, Bright, Calm, Cool, Dot, Sleepy };

// Optional parts of an outfit.
enum Extra : unsigned {
    kApron = 1u << 0,      // white apron over the dress
    kVest = 1u << 1,       // open vest over the top
    kCollar = 1u << 2,     // white collar
    kChestBow = 1u << 3,   // bow at the chest
    kButtons = 1u << 4,    // a row of buttons
    kBelt = 1u << 5,       // belt at the waist
    kHood = 1u << 6,       // hood lying on the back, drawstrings at the front
    kStraps = 1u << 7,     // overall straps and bib
    kEmblem = 1u << 8,     // a star on the chest
    kCape = 1u << 9,       // short shoulder cape
    kStockings = 1u << 10, // the legs are covered by `legs` (otherwise skin)
    kBoots = 1u << 11,     // high boots
    kScarf = 1u << 12,     // scarf around the neck
    kCardigan = 1u << 13,  // open long-sleeved cardigan
    kHemFrill = 1u << 14,  // white lace along the hem
    kSash = 1u << 15,      // ribbon round the waist, bowed at the back
};

struct Look {
    const char* name;
    bool creature = false; // the round creature, not a person

    QRgb skin = 0;
    QRgb blush = 0;
    Tone hair;
    HairStyle hairStyle = HairStyle::Bob;

    Eyes eyes = Eyes::Gentle;
    Tone iris; // base and lower light tone of the iris

    Tone top;
    Sleeves sleeves = Sleeves::Long;
    bool puffSleeves = false; // short sleeves gathered into puffs
    Lower lower = Lower::Skirt;
    Tone bottom;   // skirt, shorts or trousers (the dress uses `top`)
    int hem = 100; // lowest row of skirt, dress or shorts in the standing pose
    Tone legs;     // stockings or tights when kStockings
    Tone shoes;
    unsigned extras = 0;
    Tone extra;  // apron, vest, collar, straps: the first extra colour
    Tone extra2; // bows, buttons, emblem: the second

    Accessory accessory = Accessory::MoonPin;
    Tone acc;
    Tone acc2;
};
