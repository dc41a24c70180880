#include "app/flow/start_up.h"

int main(int argc, char** argv) {
    return vaeloric::RunBoardProgram(argc - 1, argv + 1, VAELORIC_BOARD_LETTER);
}
