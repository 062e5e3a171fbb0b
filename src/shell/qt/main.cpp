#include "shell/qt/Application.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return tp::runTurnoplaner(application);
}
