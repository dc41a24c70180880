#include "launcher/launcher_app.h"

int main(int argc, char** argv) {
    return vaeloric::RunLauncher(argc, argv);
}
