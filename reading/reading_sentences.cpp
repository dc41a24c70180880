// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading/reading_sentences.h"

namespace vaeloric {

namespace {

// clang-format off
constexpr const char* kInfluence[5] = {
    nullptr,
    "The magikal influence and effect of this piece in this board quarter is at its weakest.\n\n",
    "The magikal influence and effect of this piece in this board quarter is weak.\n\n",
    "The magikal influence and effect of this piece in this board quarter is strong.\n\n",
    "The magikal influence and effect of this piece in this board quarter is at its maximum.\n\n",
};
// clang-format on

// clang-format off
constexpr const char* kAspect[5] = {
    nullptr,
    "The move to this square by this piece is very badly aspected.\n\n",
    "The move to this square by this piece is badly aspected.\n\n",
    "The move to this square by this piece is favourably aspected.\n\n",
    "The move to this square by this piece is very favourably aspected.\n\n",
};
// clang-format on

// Per aspect group 0..11 and piece (Queen, Horse, Rook, King, Bishop), the
// aspect of armies 1..4: 0 none, 1 very bad, 2 bad, 3 favourable, 4 very
// favourable.
// clang-format off
constexpr const char* kAspectCodes[12][5] = {
    {"1111", "3322", "3300", "0000", "0000"}, {"0000", "0000", "0000", "2140", "0000"},
    {"0000", "0000", "0033", "0000", "1212"}, {"0000", "4400", "2210", "0300", "0000"},
    {"3333", "0000", "0004", "1020", "0000"}, {"0000", "0011", "0000", "0002", "2424"},
    {"4444", "2233", "1100", "0000", "0000"}, {"0000", "0000", "0000", "3410", "0000"},
    {"0000", "0000", "0022", "0001", "4343"}, {"0000", "1100", "0000", "0200", "0000"},
    {"2222", "0000", "0001", "4030", "0000"}, {"0000", "0044", "0000", "0003", "3131"},
};
// clang-format on

// Sentences shared by several cells.
constexpr const char* kStandYourGround =
    "Stand your ground here. Ignore chaos and flux and hold to the centre.\n\n";
constexpr const char* kLateralThinking =
    "When there is no direct answer - try lateral thinking or indirect approaches.\n\n";

// Per advice group 12..15 (the King's advice is the same in all four), piece
// (Queen, Horse, Rook, King, Bishop) and army 1..4.
// clang-format off
constexpr const char* kAdvice[4][5][4] = {
    {   // 12
        {"Staring upwards at the stars, head in clouds, can cause your crown to fall. Hold on to it.\n\n",
         "Staring upwards at the stars, head in clouds, can cause your crown to fall. Come back down to Earth.\n\n",
         "Staring upwards at the stars, head in clouds, can cause your crown to fall. Stay grounded.\n\n",
         "Staring upwards at the stars, head in clouds, can cause your crown to fall. Act, don't daydream.\n\n"},
        {"Do it, don't just talk about doing it.",  // no line break: the unit texts follow at once
         "Do it, don't just talk about doing it.\n\n",
         "Practical matters should be attended to.\n\n",
         "Practical matters should be attended to.\n\n"},
        {kStandYourGround, kStandYourGround,
         "The firm sale, promise or commitment is worth more at this stage than one merely prospective.\n\n",
         "Pay attention to your duties and commitments - emotional, social or fiscal.\n\n"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Make sure the resources that you need are available to you in this matter.\n\n",
         "First of all satisfy your practical needs. Earn or obtain money or resources.\n\n",
         "Make sure the resources that you need are available to you in this matter.\n\n",
         "First of all satisfy your practical needs.\n\n"},
    },
    {   // 13
        {"It is OK on this occasion to trust to initial reactions. Don't hold back.\n\n",
         "It is OK on this occasion to trust to initial reactions. Over analysis can stifle intuition.\n\n",
         "It is OK on this occasion to trust to initial reactions. Over analysis can stifle intuition.\n\n",
         "It is OK on this occasion to trust to initial reactions. Over analysis can stifle intuition.\n\n"},
        {"Planning is useful. Measure twice, cut once.\n\n",
         "Planning is useful. Measure twice, cut once.\n\n",
         "Mental effort is required to solve your problem here.\n\n",
         "Mental effort is required to solve your problem here.\n\n"},
        {"Return to basic principles and primary sources of knowledge. Seek for certainty.\n\n",
         kLateralThinking,
         "Co-operation and consultation with others about your plans might prove the most fruitful.\n\n",
         "Co-operation and genuine communication with others will pay dividends here.\n\n"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Keep your eye constantly on the game. Do not rely on your assumptions about the future.\n\n",
         kLateralThinking,
         "Keep your eye constantly on the game. Do not rely on your assumptions about the future.\n\n",
         kLateralThinking},
    },
    {   // 14
        {"Intense emotions and feelings can obstruct or influence actions. Keep a lid on it.\n\n",
         "Intense emotions and feelings can obstruct or influence actions. Go with the flow.\n\n",
         "Intense emotions and feelings can obstruct or influence actions. Go with the flow.\n\n",
         "Intense emotions and feelings can obstruct or influence actions. Go with the flow.\n\n"},
        {"Know what you want before going after it.\n\n",
         "Know what you want before going after it.\n\n",
         "You need to get in touch with your real emotions, unblock, to solve these problems.\n\n",
         "You need to get in touch with your real emotions, unblock, to solve these problems.\n\n"},
        {"Don't be a slave to your own emotions - either too sensitive or too thick skinned - be objective, balanced.\n\n",
         "Don't be a slave to your own emotions - either too sensitive or too thick skinned - be objective, balanced.\n\n",
         "Spiritual and emotional advance is possible by applying healing or love to the physical body.\n\n",
         "What you see as emotional vulnerabilities or weakness others might see as amongst your more appealing traits.\n\n"},
        {nullptr, nullptr, nullptr, nullptr},
        {"You can have religious nature, or devotion to a quest, without being the slave to any particular beliefs.\n\n",
         "There are unconscious or subconscious motives involved here.\n\n",
         "You can have religious nature, or devotion to a quest, without being the slave to any particular beliefs.\n\n",
         "There are unconscious or subconscious motives involved here.\n\n"},
    },
    {   // 15
        {"Allow your enthusiasm to carry you in this matter. Speed, energy, and hands-on operation.\n\n",
         "Do not allow minor events and tasks stifle your basic enthusiasm and sap your energy.\n\n",
         "Allow your enthusiasm to carry you in this matter. Moving zen.\n\n",
         "Allow your enthusiasm to carry you in this matter. Emotional gushing.\n\n"},
        {"Physical fitness and stamina become important here.\n\n",
         "Physical fitness and stamina becomes important here.\n\n",
         "More physical effort is appropriate here.\n\n",
         "More physical effort is appropriate here.\n\n"},
        {kStandYourGround,
         "Strengthen positive traits in your personality. Distinguish between your own conditioning and true nature.\n\n",
         "Attending a conference or exhibition might be appropriate. Make a wider survey of available information.\n\n",
         "Holding a party or exhibition might be appropriate. Make more people aware of what you are doing, publicise.\n\n"},
        {nullptr, nullptr, nullptr, nullptr},
        {"Have greater self-confidence. No permission is required to act on your own behalf in this matter.\n\n",
         "Raise you sights and aim for higher goals. Assume that you will succeed and act accordingly.\n\n",
         "Have greater self-confidence. No permission is required to act on your own behalf in this matter.\n\n",
         "Raise you sights and aim for higher goals. Assume that you will succeed and act accordingly.\n\n"},
    },
};
// clang-format on

// The King's advice, the same on all four advice groups.
// clang-format off
constexpr const char* kKingAdvice[4] = {
    "Reinforces the urgency of your central purpose. Transforming action.\n\n",
    "Reinforces urgency of your central purpose. Become your higher (post-human) self.\n\n",
    "Reinforces urgency of your central purpose. Assert your individuality and independence.\n\n",
    "Reinforces the urgency of your central purpose. Overcome base attractions.\n\n",
};
// clang-format on

constexpr int kKingColumn = 3;  // King is kind 8, the fourth of kinds 5..9

}  // namespace

const char* InfluenceSentence(int level) {
    return level >= 1 && level <= 4 ? kInfluence[level] : nullptr;
}

const char* AspectSentence(int group, int kind, int army) {
    if (group < 0 || group > 11 || kind < 5 || kind > 9 || army < 1 || army > 4) return nullptr;
    return kAspect[kAspectCodes[group][kind - 5][army - 1] - '0'];
}

const char* AdviceSentence(int group, int kind, int army) {
    if (group < 12 || group > 15 || kind < 5 || kind > 9 || army < 1 || army > 4) return nullptr;
    if (kind - 5 == kKingColumn) return kKingAdvice[army - 1];
    return kAdvice[group - 12][kind - 5][army - 1];
}

}  // namespace vaeloric
