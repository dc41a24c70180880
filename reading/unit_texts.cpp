// SPDX-License-Identifier: GPL-3.0-or-later

// What each correspondence says in a reading: its name, then its traditional
// meaning, then a blank line. Sephiroth and planets follow the Golden Dawn's
// attributions, the court cards its Book T, the geomantic figures Agrippa.
#include <string>
#include <string_view>

#include "game/internal_error.h"
#include "reading/correspondences.h"

namespace vaeloric {

namespace {

// clang-format off
constexpr const char* kUnitTexts[kUnitCount] = {
    // Sephiroth.
    "KETHER. The Crown, first of the sephiroth, where all things begin in a single point of light. "
    "Unity, the highest purpose, the source behind the question. What is sought here is sought at "
    "its root.\n\n",
    "CHOKMAH. Wisdom, the Supreme Father, the sphere of the zodiac. The first rush of creative force, "
    "still without form. Inspiration, initiative and the spark that starts a venture.\n\n",
    "BINAH. Understanding, the Supreme Mother, the Great Sea; the sphere of Saturn. Force given form "
    "and boundary. Patience, discipline and sorrow, through which things come to birth.\n\n",
    "CHESED. Mercy, also named Gedulah, Magnificence; the sphere of Jupiter. The wise and loving king "
    "who builds, orders and preserves. Generosity, abundance and stable growth.\n\n",
    "GEBURAH. Severity, also named Pachad, Fear; the sphere of Mars. The warrior and the surgeon who "
    "cut away what is rotten. Courage, discipline and justice enforced; necessary destruction.\n\n",
    "TIPHARETH. Beauty, the heart of the Tree and the sphere of the Sun. Harmony between mercy and "
    "severity. Healing, self-sacrifice and renewal; the centre of the matter.\n\n",
    "NETZACH. Victory, the sphere of Venus. The feelings, desire, love and the arts; the untamed "
    "forces of nature. Endurance for the sake of what is loved.\n\n",
    "HOD. Splendour, the sphere of Mercury. The intellect, speech, learning and the art of magic. "
    "Reason giving shape to feeling; plans, words and forms.\n\n",
    "YESOD. The Foundation, the sphere of the Moon. Dreams, the imagination and the tides of the "
    "unseen world beneath the visible one. What is built here stands on what cannot be seen.\n\n",
    "MALKUTH. The Kingdom, the sphere of the four elements. The physical world, the body and the "
    "home. Results made manifest; the harvest of everything above.\n\n",

    // Zodiac.
    "ARIES. Cardinal Fire, ruled by Mars, the Sun exalted. The Ram. Beginnings, courage and "
    "enterprise; impatience and a headlong start. Leadership that charges first and thinks "
    "later.\n\n",
    "TAURUS. Fixed Earth, ruled by Venus, the Moon exalted. The Bull. Patience, possessions and the "
    "pleasures of the senses. Slow and sure building; stubbornness when pushed.\n\n",
    "GEMINI. Mutable Air, ruled by Mercury. The Twins. Wit, talk, letters, news and short journeys. "
    "A quick, versatile and divided mind.\n\n",
    "CANCER. Cardinal Water, ruled by the Moon, Jupiter exalted. The Crab. Home, family, the mother "
    "and memory. Tenderness within a protective shell.\n\n",
    "LEO. Fixed Fire, ruled by the Sun. The Lion. Pride, generosity, authority and creative joy. A "
    "warm and loyal heart that wishes to be seen.\n\n",
    "VIRGO. Mutable Earth, ruled by Mercury. The Virgin. Service, craft, health and care for detail. "
    "Discrimination and modesty; criticism and worry in excess.\n\n",
    "LIBRA. Cardinal Air, ruled by Venus, Saturn exalted. The Scales. Balance, partnership, justice "
    "and diplomacy. Grace and fairness; indecision while the pans settle.\n\n",
    "SCORPIO. Fixed Water, ruled by Mars. The Scorpion and the Eagle. Passion, secrets, death and "
    "regeneration. Deep feeling, strong will and what lies hidden.\n\n",
    "SAGITTARIUS. Mutable Fire, ruled by Jupiter. The Archer. Long journeys, philosophy, religion "
    "and law. Optimism and candour; the aim beyond the horizon.\n\n",
    "CAPRICORN. Cardinal Earth, ruled by Saturn, Mars exalted. The Goat. Ambition, duty, structure "
    "and the long climb to high places. Success earned by perseverance.\n\n",
    "AQUARIUS. Fixed Air, ruled by Saturn. The Water Bearer. Friendship, groups, ideals and reform. "
    "Independence and originality; a cool, humane mind.\n\n",
    "PISCES. Mutable Water, ruled by Jupiter, Venus exalted. The Fishes. Compassion, dreams, "
    "sacrifice and the dissolving of boundaries. Mystical insight or confusion.\n\n",

    // Elements.
    "Fire - SOUTH. A generally energetic, theatrical person. 3rd finger.Heart, blood.\n\n",
    "Water - WEST. A generally lethargic person, dreamer. Index finger.\n\n",
    "Air - EAST. A generally energetic, nervous, person. Little finger. Lungs.\n\n",
    "Earth - NORTH. A down-to-earth, hard working, practical person. 2nd finger.\n\n",

    // Planets and their spirits.
    "Saturn. ZAZEL. The Greater Malefic, lord of time and boundaries. Delay, restriction, old age, "
    "duty and endurance. Hard lessons that leave something lasting.\n\n",
    "Jupiter. HISMAEL. The Greater Benefic. Expansion, good fortune, wealth and generosity. Law, "
    "religion and the favour of patrons; beware of excess.\n\n",
    "Mars. BARTZABEL. The Lesser Malefic. Energy, courage, conflict and haste. Quarrels, fever and "
    "the blade; force that can be turned to bold action.\n\n",
    "Sol. SORATH. The Sun, giver of life and light. Vitality, honour, success and the self shown "
    "plainly. Favour from those in authority.\n\n",
    "Venus. KEDEMEL. The Lesser Benefic. Love, beauty, art, pleasure and harmony. Affection and "
    "ease; idleness and indulgence when overdone.\n\n",
    "Mercury. TAPHARTARATH. The messenger of the gods. Thought, speech, writing, trade and travel. "
    "Quickness and cunning; news, bargains and tricks.\n\n",
    "Luna. CHASMODAI. The Moon, mistress of the tides. Change, moods, the public and the home. "
    "Instinct and imagination; fluctuation and uncertainty.\n\n",

    // Trumps.
    "THE FOOL. The path of Air; the spirit before it enters matter. Folly, enthusiasm and a leap "
    "into the unknown. A beginning made on trust; thoughtlessness when ill placed.\n\n",
    "THE MAGUS/ JUGGLER. Mercury. Skill, will and adroitness; the power to shape events with the "
    "tools at hand. Wisdom in action, or trickery and deceit.\n\n",
    "THE PRIESTESS. The Moon. Hidden knowledge, intuition, mystery and silence. Secrets not yet "
    "revealed; wait and listen. Change and fluctuation.\n\n",
    "THE EMPRESS. Venus. Fertility, abundance, beauty and the mother. Growth and comfort; plans "
    "brought to fruit. Luxury and dissipation when ill dignified.\n\n",
    "THE EMPEROR. Aries. Authority, rule, stability and the father. Ambition and power; order "
    "imposed by will. War and conquest.\n\n",
    "POPE. Taurus; the Hierophant. Tradition, teaching, convention and spiritual counsel. Marriage, "
    "alliance and the help of established institutions.\n\n",
    "THE LOVERS. Gemini. Attraction, love and union, and the choice between two paths. Inspiration; "
    "a decision that cannot be put off.\n\n",
    "CHARIOT. Cancer. Triumph over obstacles, travel and the mastery of opposing forces. Success won "
    "by holding the reins firmly.\n\n",
    "STRENGTH. Leo. Courage and fortitude; force gently mastered. Passion held in check and turned to "
    "a purpose.\n\n",
    "THE HERMIT. Virgo. Prudence, solitude and wisdom sought within. Guidance from above; caution "
    "and circumspection.\n\n",
    "WHEEL OF FORTUNE. Jupiter. Fate, destiny and the turning of the cycle. A change of luck, "
    "usually for the better; a new chapter opens.\n\n",
    "JUSTICE. Libra. Equity, balance, law and right judgement. Legal matters decided; what is owed "
    "will be paid.\n\n",
    "HANGED MAN. The path of Water. Sacrifice, suspension and surrender. Wisdom gained by letting "
    "go; a pause and a reversal of outlook.\n\n",
    "DEATH. Scorpio. Transformation, an ending and sudden change. The old order passes so that the "
    "new can begin; seldom a literal death.\n\n",
    "TEMPERANCE. Sagittarius. Moderation and the blending of opposites. Patience, economy and the "
    "right measure; forces combined to good effect.\n\n",
    "THE DEVIL. Capricorn. Bondage to matter, temptation and blind force. Materialism, obsession and "
    "fear; great power if it is mastered.\n\n",
    "THE TOWER. Mars. Sudden overthrow, conflict and catastrophe. Pride humbled; false structures "
    "struck down by the lightning flash.\n\n",
    "STAR. Aquarius. Hope, faith and unexpected help. Bright prospects and inspiration; the healing "
    "that follows calamity.\n\n",
    "MOON. Pisces. Illusion, deception and hidden enemies. Dreams and fears; a dark road that must be "
    "walked with care.\n\n",
    "SUN. The Sun. Glory, gain, riches and joy. Good health, success and happiness; contentment in "
    "the open light.\n\n",
    "JUDGEMENT. The path of Fire. Renewal, awakening and final decision. A call answered, a matter "
    "settled; rebirth.\n\n",
    "WORLD. Saturn, and the path of Earth. Completion, synthesis and the fulfilment of the matter. "
    "Reward at the end of a cycle; the universe in balance.\n\n",

    // Geomantic figures.
    "PUER. The Boy; Aries, ruled by Mars. Rash, violent and headstrong. Good for war and for love, "
    "ill in most other things. Courage without judgement.\n\n",
    "AMISSIO. Loss; Taurus, ruled by Venus. Things slip out of the hand. Good for love and for what "
    "one wishes to be rid of, ill for money and possessions.\n\n",
    "ALBUS. White; Gemini, ruled by Mercury. Peace, wisdom and purity. Good for business and "
    "beginnings; fortunate, though slow.\n\n",
    "POPULUS. The People, the Gathering; Cancer, ruled by the Moon. Neutral: good with good and evil "
    "with evil. Crowds, assemblies and common opinion.\n\n",
    "VIA. The Way; Cancer, ruled by the Moon. Change, movement and journeys. Good for travel and for "
    "any change, ill for what should stay fixed.\n\n",
    "FORTUNA MAJOR. Greater fortune; Leo, ruled by the Sun. Great good luck and inward strength. "
    "Success in any undertaking; protection; coming in.\n\n",
    "FORTUNA MINOR. Lesser fortune. Aid received. Going out. Safeguard. Success, but minor.\n\n",
    "CONJUNCTIO. Union; Virgo, ruled by Mercury. Meeting, agreement and the recovery of things "
    "lost. Good for bringing matters and people together.\n\n",
    "PUELLA. The Girl; Libra, ruled by Venus. Pleasant, beautiful and harmonious. Good in most "
    "things, above all in love; fickle.\n\n",
    "RUBEUS.\n\n",
    "ACQUISTIO. Gain; Sagittarius, ruled by Jupiter. Profit, success, and things obtained and held. "
    "Good in nearly every question of gain.\n\n",
    "CARCER. The Prison; Capricorn, ruled by Saturn. Restraint, delay, binding and isolation. Ill for "
    "most things, good only for what must be made fast.\n\n",
    "TRISTITIA. Sorrow; Aquarius, ruled by Saturn. Sadness, melancholy and condemnation. Ill in most "
    "questions, good for building, foundations and works of the earth.\n\n",
    "LAETITIA. Joy, health and laughter. A high omen of great good fortune.\n\n",
    "CAPUT DRACONIS. The Head of the Dragon; the threshold entering. Good with good and evil with "
    "evil. Favourable for beginnings, gain and all that comes in.\n\n",
    "CAUDA DRACONIS. The Tail of the Dragon; the threshold going out. Good with evil and evil with "
    "good. Endings, exits and loss; favourable only for departures.\n\n",

    // Court cards: Wands, Cups, Swords, Pentacles.
    "ACE of WANDS. The root of the powers of Fire. Natural force, vigour, energy and rush. A birth, "
    "an inspired venture, a strong beginning.\n\n",
    "KING of WANDS. The Lord of the Flame and the Lightning, the fiery part of Fire. Active, "
    "generous, fierce, sudden and impetuous. Ill dignified: cruel, bigoted and brutal.\n\n",
    "QUEEN of WANDS. The Queen of the Thrones of Flame, the watery part of Fire. Steady, resolute and "
    "magnetic; kind and generous when not opposed. Ill dignified: obstinate, revengeful and "
    "domineering.\n\n",
    "PRINCE of WANDS. The Prince of the Chariot of Fire, the airy part of Fire. Swift, strong and "
    "hasty; noble, just and generous, scornful of meanness. Ill dignified: cruel, intolerant and "
    "prejudiced.\n\n",
    "PRINCESS of WANDS. The Princess of the Shining Flame, the earthy part of Fire. Brilliant, daring "
    "and beautiful; sudden in anger or in love, eager for power. Ill dignified: shallow, theatrical "
    "and unstable.\n\n",
    "ACE of CUPS. The root of the powers of Water. Fertility, beauty, pleasure and happiness. The "
    "cup of love filled to overflowing.\n\n",
    "KING of CUPS. The Lord of the Waves and the Waters, the fiery part of Water. Graceful, poetic "
    "and amiable; easy-going, but enthusiastic when roused. Ill dignified: sensual, idle and "
    "untruthful.\n\n",
    "QUEEN of CUPS. The Queen of the Thrones of the Waters, the watery part of Water. Imaginative, "
    "poetic and kind, yet dreamy; she reflects whoever comes near her. Ill dignified: moody and "
    "easily led.\n\n",
    "PRINCE of CUPS. The Prince of the Chariot of the Waters, the airy part of Water. Subtle, secret "
    "and artistic; a fierce nature behind a calm face. Powerful for good or evil, and drawn to "
    "power wherever he finds it. Ill dignified: ruthless and without conscience.\n\n",
    "PRINCESS of CUPS. The Princess of the Waters, the earthy part of Water. Sweet, gentle, kind and "
    "dreamy; courageous if roused. Ill dignified: selfish and fond of luxury.\n\n",
    "ACE of  SWORD. The root of the powers of Air. Invoked force, the sword of justice and "
    "authority. Conquest through strife, for good or ill as the cause deserves.\n\n",
    "KING of SWORDS. The Lord of the Winds and Breezes, the fiery part of Air. Active, clever, "
    "subtle and courageous; skilful but inclined to domineer. Ill dignified: deceitful and "
    "tyrannical.\n\n",
    "QUEEN of SWORDS. The Queen of the Thrones of Air, the watery part of Air. Perceptive, quick and "
    "confident, a keen observer; graceful and balanced. Ill dignified: cruel, sly and unreliable "
    "behind a pleasant face.\n\n",
    "PRINCE of SWORDS. The Prince of the Chariot of the Winds, the airy part of Air. Full of ideas "
    "and designs; distrustful, careful, firm in friendship and in enmity. Ill dignified: harsh, "
    "plotting and hesitant.\n\n",
    "PRINCESS of SWORDS. The Princess of the Rushing Winds, the earthy part of Air. Wisdom, strength "
    "and acuteness in practical matters; grace and dexterity. Ill dignified: frivolous and "
    "cunning.\n\n",
    "ACE of PENTACLES. The root of the powers of Earth. Material gain, labour, power and wealth; "
    "matter in all its senses. Foundations that will bear weight.\n\n",
    "KING of PENTACLES. The Lord of the Wide and Fertile Land, the fiery part of Earth. Laborious, "
    "patient and clever in material things. Ill dignified: grasping, dull and jealous.\n\n",
    "QUEEN of PENTACLES. The Queen of the Thrones of Earth, the watery part of Earth. Kind, "
    "great-hearted and truthful, though quiet and of many moods. Ill dignified: capricious and "
    "undecided.\n\n",
    "PRINCE of PENTACLES. The Prince of the Chariot of Earth, the airy part of Earth. Steady and "
    "reliable; he increases things and puts them to practical use. Slow to anger but furious when "
    "roused. Ill dignified: selfish and material.\n\n",
    "PRINCESS of PENTACLES. The Princess of the Echoing Hills, the earthy part of Earth. Generous, "
    "diligent, careful and persevering; kind to all. Ill dignified: wasteful and prodigal.\n\n",

    // Outer planets.
    "Uranus - Change. Nu-age, freedom, advance. \n\n",
    "Neptune - The Sea. Illusion, dreams, imagination. Immersion. Subconscious. \n\n",
    "Pluto - The Underworld. Transmogrification, rebirth. \n\n",
};
// clang-format on

}  // namespace

std::string_view UnitText(int unit) {
    if (unit < 0 || unit >= kUnitCount)
        throw TInternalError("correspondence " + std::to_string(unit));
    return kUnitTexts[unit];
}

}  // namespace vaeloric
