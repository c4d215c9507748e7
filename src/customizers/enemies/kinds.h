#pragma once
// The 27 enemy kinds of the enemies dialog and the enemy stage: caption, hit points box and its
// key, the flag entry, and where the stage writes the hit points.
#include <iterator>
#include <string_view>

namespace olvex::customizers {

struct EnemyKind {
  std::string_view caption;
  int hpBox;                    // Text1 index
  std::string_view hpKey;       // lower case; empty: no key
  std::string_view hpValue;     // designer value
  int flag;                     // EnemyFlags entry
  std::string_view hpOffset;    // offset key of the hit points; empty: written by its own rule
};

// In the order of the hit point boxes.
inline constexpr EnemyKind kEnemyKinds[] = {
    {"Mutant:", 0, "mutanthp", "15", 11, "MutantHPOffset"},
    {"Skeleton:", 1, "skeletonhp", "15", 0, "SkeletonHPOffset"},
    {"Baddy 1:", 2, "baddy1hp", "25", 1, "Baddy1HPOffset"},
    {"Baddy 2:", 3, "baddy2hp", "35", 2, "Baddy2HPOffset"},
    {"Scorpion:", 4, "scorpionhp", "80", 3, "ScorpionHPOffset"},
    {"Mummy:", 5, "mummyhp", "15", 4, "MummyHPOffset"},
    {"Knight Templar:", 6, "knighttemplarhp", "15", 5, "KnightTemplarHPOffset"},
    {"Sphinx:", 7, "sphinxhp", "1000", 6, "SphinxHPOffset"},
    {"Set:", 8, "sethahp", "500", 7, "SethaHPOffset"},
    {"Horsemen:", 9, "horsemenhp", "25", 8, "HorsemenHPOffset"},
    {"Hammerhead:", 10, "hammerheadhp", "45", 9, "HammerheadHPOffset"},
    {"Crocodile:", 11, "crocodilehp", "36", 10, "CrocodileHPOffset"},
    {"Demigod 1:", 12, "demigod1hp", "200", 13, "Demigod1HPOffset"},
    {"Demigod 2:", 13, "demigod2hp", "200", 14, "Demigod2HPOffset"},
    {"Demigod 3:", 14, "demigod3hp", "200", 15, "Demigod3HPOffset"},
    {"Troops:", 15, "troopshp", "40", 16, "TroopsHPOffset"},
    {"SAS:", 16, "sashp", "40", 17, "SASHPOffset"},
    {"Harpy:", 17, "harpyhp", "60", 18, "HarpyHPOffset"},
    {"Wild Boar:", 18, "wildboarhp", "40", 19, "WildBoarHPOffset"},
    {"Dog:", 19, "doghp", "16", 20, "DogHPOffset"},
    {"Ahmet:", 20, "ahmethp", "80", 21, "AhmetHPOffset"},
    {"Baboon:", 21, "baboonhp", "30", 22, "BaboonHPOffset"},
    {"Bat:", 22, "bathp", "5", 23, "BatHPOffset"},
    {"Big Beetle:", 23, "bigbeetlehp", "30", 24, "BigBeetleHPOffset"},
    // The small scorpion's hit points live inside its patch; the guide's have no key.
    {"Small Scorpion:", 24, "smallscorpionhp", "8", 26, ""},
    {"Guide:", 25, "", "49152", 12, "GuideHPOffset"},
    {"Von Croy:", 26, "voncroyhp", "15", 25, "VonCroyHPOffset"},
};
inline constexpr int kEnemyKindCount = static_cast<int>(std::size(kEnemyKinds));

}  // namespace olvex::customizers
