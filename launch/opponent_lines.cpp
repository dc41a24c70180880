#include "launch/opponent_lines.h"

namespace vaeloric {

// Until the opponents' measured notes are available, a line read from each
// profile's weights.
std::string OpponentLine(std::int32_t code) {
    switch (code) {
        case 2:
            return "Even-tempered: counts material and guards its own pieces.";
        case 3:
            return "A collector: takes what is offered and threatens a little more.";
        case 4:
            return "Defensive: hems the enemy in and keeps its pieces out of reach.";
        case 5:
            return "Greedy and bold: hunts material and checkmate, careless of its own men.";
        case 6:
            return "Patient: narrows the enemy's moves, rarely takes a risk.";
        case 7:
            return "An attacker: material first, then threats and open lines.";
        case 8:
            return "The Grandmaster: weighs everything, plays only in the third seat.";
        default:
            return {};
    }
}

}  // namespace vaeloric
