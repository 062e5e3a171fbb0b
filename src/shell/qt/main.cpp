#include "shell/qt/Application.h"

int main(int argc, char** argv) {
    return tp::runTurnoplaner(argc, argv);
}
