#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "cli/Cli.h"

int main(int argc, char** argv)
{
    // tessel-cli never needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RunCli(QCoreApplication::arguments(), std::cout, std::cerr);
}
