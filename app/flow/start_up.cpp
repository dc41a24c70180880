#include "app/flow/start_up.h"

#include <iostream>

#include "app/flow/command_line.h"
#include "app/flow/seats.h"
#include "game/board.h"
#include "game/square.h"

namespace vaeloric {

namespace {

const char* ArmyElement(int army) {
    static constexpr const char* kNames[5] = {"", "FIRE", "EARTH", "AIR", "WATER"};
    return kNames[army];
}

std::string SeatDescription(std::int32_t code, const std::string& name) {
    if (code == Human) return "human \"" + name + "\"";
    return OpponentName(code);
}

}  // namespace

int RunBoardProgram(int argumentCount, const char* const* arguments, char boardLetter) {
    TSetUpRecord record;
    switch (DecideStartMode(argumentCount, arguments)) {
        case TStartMode::Demonstration:
            record.status[2] = boardLetter;
            std::cout << "Demonstration mode on the " << BoardNameLong(boardLetter) << "\n";
            return 0;
        case TStartMode::Reload:
            std::cout << "Reload mode on the " << BoardNameLong(boardLetter) << "\n";
            return 0;
        case TStartMode::Launcher: break;
    }
    ParseLauncherArgument(arguments[0], boardLetter, record);
    if (const std::string problem = CheckLauncherRecord(record); !problem.empty()) {
        std::cerr << problem << "\n";
        return 2;
    }
    TBoard board;
    AssignSeats(record, board);
    board.SetUp(record.status.data());

    const TSeatArmies seats = SeatArmies(record);
    std::cout << "Launcher mode on the " << BoardNameLong(boardLetter) << "\n"
              << "Caption: " << record.caption << "\n"
              << "Ptah square: " << SquareName({board.ptahRank, board.ptahFile}) << "\n"
              << "Questioner's army: " << ArmyElement(board.questionerArmy) << "\n"
              << "Seat 1: " << ArmyElement(seats.army[1]) << ", human \"" << record.questionerName
              << "\"\n";
    for (int seat = 2; seat <= 4; ++seat)
        std::cout << "Seat " << seat << ": " << ArmyElement(seats.army[seat]) << ", "
                  << SeatDescription(record.seatCode[seat], record.seatName[seat]) << "\n";
    return 0;
}

}  // namespace vaeloric
