// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading/correspondences.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vaeloric {
namespace {

// The words every text begins with, by unit.
// clang-format off
const char* const kFirstWords[kUnitCount] = {
    "KETHER.", "CHOKMAH.", "BINAH.", "CHESED.", "GEBURAH.", "TIPHARETH.", "NETZACH.", "HOD.",
    "YESOD.", "MALKUTH.", "ARIES.", "TAURUS.", "GEMINI.", "CANCER.", "LEO.", "VIRGO.", "LIBRA.",
    "SCORPIO.", "SAGITTARIUS.", "CAPRICORN.", "AQUARIUS.", "PISCES.", "Fire - SOUTH.",
    "Water - WEST.", "Air - EAST.", "Earth - NORTH.", "Saturn. ZAZEL.", "Jupiter. HISMAEL.",
    "Mars. BARTZABEL.", "Sol. SORATH.", "Venus. KEDEMEL.", "Mercury. TAPHARTARATH.",
    "Luna. CHASMODAI.", "THE FOOL.", "THE MAGUS/ JUGGLER.", "THE PRIESTESS.", "THE EMPRESS.",
    "THE EMPEROR.", "POPE.", "THE LOVERS.", "CHARIOT.", "STRENGTH.", "THE HERMIT.",
    "WHEEL OF FORTUNE.", "JUSTICE.", "HANGED MAN.", "DEATH.", "TEMPERANCE.", "THE DEVIL.",
    "THE TOWER.", "STAR.", "MOON.", "SUN.", "JUDGEMENT.", "WORLD.", "PUER.", "AMISSIO.", "ALBUS.",
    "POPULUS.", "VIA.", "FORTUNA MAJOR.", "FORTUNA MINOR.", "CONJUNCTIO.", "PUELLA.", "RUBEUS.",
    "ACQUISTIO.", "CARCER.", "TRISTITIA.", "LAETITIA.", "CAPUT DRACONIS.", "CAUDA DRACONIS.",
    "ACE of WANDS.", "KING of WANDS.", "QUEEN of WANDS.", "PRINCE of WANDS.", "PRINCESS of WANDS.",
    "ACE of CUPS.", "KING of CUPS.", "QUEEN of CUPS.", "PRINCE of CUPS.", "PRINCESS of CUPS.",
    "ACE of  SWORD.", "KING of SWORDS.", "QUEEN of SWORDS.", "PRINCE of SWORDS.",
    "PRINCESS of SWORDS.", "ACE of PENTACLES.", "KING of PENTACLES.", "QUEEN of PENTACLES.",
    "PRINCE of PENTACLES.", "PRINCESS of PENTACLES.", "Uranus - Change.", "Neptune - The Sea.",
    "Pluto - The Underworld.",
};
// clang-format on

TEST(UnitTexts, BeginWithTheirNamesAndEndWithABlankLine) {
    std::set<std::string_view> seen;
    for (int unit = 0; unit < kUnitCount; ++unit) {
        const std::string_view text = UnitText(unit);
        const std::string_view first = kFirstWords[unit];
        EXPECT_TRUE(text.starts_with(first)) << unit;
        EXPECT_TRUE(text[first.size()] == ' ' || text[first.size()] == '\n') << unit;
        EXPECT_TRUE(text.ends_with("\n\n")) << unit;
        EXPECT_EQ(text.find("\n\n"), text.size() - 2) << unit;  // one paragraph each
        EXPECT_LE(text.size(), 671u) << unit;
        EXPECT_GE(text.size(), 9u) << unit;
        EXPECT_TRUE(seen.insert(text).second) << unit;
    }
}

TEST(UnitTexts, TextsGivenWhole) {
    // clang-format off
    const std::pair<int, const char*> cases[] = {
        {22, "Fire - SOUTH. A generally energetic, theatrical person. 3rd finger.Heart, blood.\n\n"},
        {23, "Water - WEST. A generally lethargic person, dreamer. Index finger.\n\n"},
        {24, "Air - EAST. A generally energetic, nervous, person. Little finger. Lungs.\n\n"},
        {25, "Earth - NORTH. A down-to-earth, hard working, practical person. 2nd finger.\n\n"},
        {61, "FORTUNA MINOR. Lesser fortune. Aid received. Going out. Safeguard. Success, but minor.\n\n"},
        {64, "RUBEUS.\n\n"},
        {68, "LAETITIA. Joy, health and laughter. A high omen of great good fortune.\n\n"},
        {91, "Uranus - Change. Nu-age, freedom, advance. \n\n"},
        {92, "Neptune - The Sea. Illusion, dreams, imagination. Immersion. Subconscious. \n\n"},
        {93, "Pluto - The Underworld. Transmogrification, rebirth. \n\n"},
    };
    // clang-format on
    for (const auto& [unit, text] : cases) EXPECT_EQ(UnitText(unit), text) << unit;
    for (int unit = 0; unit < kUnitCount; ++unit)
        if (unit != 64) {
            EXPECT_GT(UnitText(unit).size(), UnitText(64).size());
        }
}

TEST(ReadingRecord, NewGameState) {
    TReadingRecord record;
    record.moveText = "x";
    record.gameActivation[3] = 0.4f;
    record.Reset();
    EXPECT_EQ(record.moveText, "No moves made.");
    EXPECT_EQ(record.gameText, "No moves made.");
    for (float value : record.gameActivation) EXPECT_EQ(value, -0.1f);
}

}  // namespace
}  // namespace vaeloric
