#include "cli/Cli.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "TesselVersion.h"
#include "cli/CliHost.h"
#include "cli/Report.h"
#include "model/Season.h"
#include "platform/SeasonFiles.h"
#include "platform/Settings.h"

namespace {

const char* const kUsage =
    "Usage:\n"
    "  tessel-cli report  [--format text|csv|json] [--min-games N] FILE\n"
    "  tessel-cli convert [--min-games N] IN OUT.bwl\n"
    "  tessel-cli --help | --version\n"
    "\n"
    "FILE and IN may be a binary season file (.bwl) or a text season file (.bwt).\n"
    "  report   prints the season's results: the grid as text (default), the players\n"
    "           table as CSV, or everything as JSON\n"
    "  convert  writes the season as a binary season file, as the desktop program saves it\n"
    "Options:\n"
    "  --format F      text, csv or json (report)\n"
    "  --min-games N   the least appearances for a player to be ranked (default: the\n"
    "                  stored preference, 3 when none is stored)\n"
    "  -h, --help      show this help\n"
    "  --version       show the version\n";

int UsageError(std::ostream& err, const std::string& reason)
{
    if (!reason.empty())
        err << "tessel-cli: " << reason << "\n";
    err << kUsage;
    return 2;
}

} // namespace

int RunCli(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(), QStringLiteral("F"),
                                          QStringLiteral("text"));
    const QCommandLineOption minGamesOption(QStringLiteral("min-games"), QString(), QStringLiteral("N"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringLiteral("version"));
    parser.addOptions({formatOption, minGamesOption, helpOption, versionOption});

    if (!parser.parse(arguments))
        return UsageError(err, parser.errorText().toStdString());
    if (parser.isSet(helpOption)) {
        out << kUsage;
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << "tessel-cli " << kVersionText << "\n";
        return 0;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return UsageError(err, "no command given");
    const QString command = positional.first();

    int minGames = 0;
    if (parser.isSet(minGamesOption)) {
        bool ok = false;
        minGames = parser.value(minGamesOption).toInt(&ok);
        if (!ok || minGames < 0)
            return UsageError(err, "--min-games needs a whole number of 0 or more");
    } else {
        minGames = ReadNumberSetting("Tessel", "MinGames", 3);
    }

    CliHost host(err, minGames, CliNow());

    if (command == QStringLiteral("report")) {
        if (positional.size() != 2)
            return UsageError(err, "report takes one FILE");
        const QString format = parser.value(formatOption);
        if (format != QStringLiteral("text") && format != QStringLiteral("csv") &&
            format != QStringLiteral("json"))
            return UsageError(err, "unknown format: " + format.toStdString());
        SeasonPtr season = OpenSeasonPath(host, positional[1], false);
        if (!season)
            return 1;
        if (format == QStringLiteral("json"))
            out << ReportJson(*season, minGames);
        else if (format == QStringLiteral("csv"))
            out << ReportCsv(*season, minGames);
        else
            out << ReportText(*season, host, minGames);
        out.flush();
        return out.good() ? 0 : 1;
    }

    if (command == QStringLiteral("convert")) {
        if (parser.isSet(formatOption))
            return UsageError(err, "convert takes no --format");
        if (positional.size() != 3)
            return UsageError(err, "convert takes IN and OUT");
        SeasonPtr season = OpenSeasonPath(host, positional[1], false);
        if (!season)
            return 1;
        const QString target = positional[2];
        if (!SaveSeason(host, *season, true, [&target] { return target; }))
            return 1;
        return 0;
    }

    return UsageError(err, "unknown command: " + command.toStdString());
}
