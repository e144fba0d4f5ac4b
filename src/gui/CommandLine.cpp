#include "gui/CommandLine.h"

bool IsSwitchArgument(const QString& argument)
{
    // A single "-" is not enough: a file name may well begin with one, and
    // absolute paths here begin with "/", so "/" cannot mark switches either.
    return argument.startsWith(QLatin1String("--"));
}

QString StartupFile(const QStringList& arguments)
{
    QString file;
    const qsizetype n = std::min<qsizetype>(arguments.size(), kMaxArguments);
    for (qsizetype i = 0; i < n; ++i) {
        const QString& a = arguments.at(i);
        if (!IsSwitchArgument(a) && !a.isEmpty())
            file = a;
    }
    return file;
}
