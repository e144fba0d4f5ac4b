#include <QApplication>
#include <QScreen>

#include <iostream>

#include "gui/CommandLine.h"
#include "gui/FrameWindow.h"
#include "gui/ProgramIcon.h"
#include "gui/ResultsWindow.h"
#include "gui/Shell.h"

int main(int argc, char* argv[])
{
    if (const int status = AnswerInformationSwitches(argc, argv, std::cout); status >= 0)
        return status;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessel"));
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    QApplication::setWindowIcon(ProgramIcon());

    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-after-first-paint")))
        ResultsWindow::SetQuitAfterFirstPaint(true);

    Shell shell;
    FrameWindow frame(shell);

    // On a small display the program takes the whole screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() < 1024)
        frame.showMaximized();
    else
        frame.show();

    const QString file = StartupFile(QCoreApplication::arguments().mid(1));
    if (!file.isEmpty())
        frame.OpenAtStartup(file);

    return QApplication::exec();
}
