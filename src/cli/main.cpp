#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "cli/Cli.h"

namespace {

// Qt's own chatter about the desktop session (no runtime directory when run
// from a service or a container) is no concern of a command-line user.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths:")))
        return;
    std::cerr << qPrintable(qFormatLogMessage(type, context, message)) << '\n';
}

} // namespace

int main(int argc, char** argv)
{
    // tessel-cli never needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QGuiApplication app(argc, argv);
    return RunCli(QCoreApplication::arguments(), std::cout, std::cerr);
}
