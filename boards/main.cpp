#include "window/program_entry.h"

int main(int argc, char** argv) {
    return vaeloric::RunBoardProgram(argc, argv, VAELORIC_BOARD_LETTER);
}
