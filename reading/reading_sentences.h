// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vaeloric {

// The sentences of the move reading, looked up from their tables.

// The influence sentence of a level 1..4; nullptr for 0.
const char* InfluenceSentence(int level);
// The aspect sentence of a group 0..11 for a piece kind 5..9 and army 1..4;
// nullptr when the move has none.
const char* AspectSentence(int group, int kind, int army);
// The advice sentence of a group 12..15 for a piece kind 5..9 and army 1..4.
const char* AdviceSentence(int group, int kind, int army);

}  // namespace vaeloric
