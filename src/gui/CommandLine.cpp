#include "gui/CommandLine.h"

#include <string_view>

#include "TesselVersion.h"

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

int AnswerInformationSwitches(int argc, const char* const* argv, std::ostream& out)
{
    for (int i = 1; i < argc && i <= kMaxArguments; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "--version") {
            out << "tessel " << kVersionText << "\n";
            return 0;
        }
        if (argument == "--help") {
            out << "Usage: tessel [FILE]\n"
                   "Keeps a bowls team's season: results grid, rankings, printouts and a web "
                   "page.\n"
                   "FILE, a binary season (.bwl) or a text season (.bwt), is opened at start-up.\n"
                   "Every save keeps the previous file beside it as FILE.bak.\n"
                   "\n"
                   "  --help       show this help and exit\n"
                   "  --version    show the version and exit\n"
                   "\n"
                   "Without a display, tessel-cli writes reports, printouts and web pages.\n";
            return 0;
        }
    }
    return -1;
}
