#include "cli/Cli.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdint>

#include "TesselVersion.h"
#include "cli/CliHost.h"
#include "cli/Printouts.h"
#include "cli/Report.h"
#include "model/Season.h"
#include "platform/SeasonFiles.h"
#include "platform/Settings.h"

namespace {

const char* const kUsage =
    "Usage:\n"
    "  tessel-cli report  [--format text|csv|json] [--min-games N] FILE\n"
    "  tessel-cli convert [--min-games N] IN OUT.bwl\n"
    "  tessel-cli print   team|sheet|player [--fixture N] [--player N]\n"
    "                     [--portrait|--landscape] [--min-games N] -o OUT.pdf FILE\n"
    "  tessel-cli render  [--size WxH] [--min-games N] -o OUT.png FILE\n"
    "  tessel-cli --help | --version\n"
    "\n"
    "FILE and IN may be a binary season file (.bwl) or a text season file (.bwt).\n"
    "  report   prints the season's results: the grid as text (default), the players\n"
    "           table as CSV, or everything as JSON\n"
    "  convert  writes the season as a binary season file, as the desktop program saves it\n"
    "  print    writes a printout as an A4 PDF: the team results (all pages), the match\n"
    "           result sheet of fixture N, or the summary of the player ranked N\n"
    "  render   draws the results grid as the window shows it into a PNG (default 1280x800)\n"
    "Options:\n"
    "  --format F      text, csv or json (report)\n"
    "  --fixture N     the fixture of a match sheet, counting from 0\n"
    "  --player N      the player of a summary, by ranked position from 0\n"
    "  --portrait, --landscape   paper orientation (team results default to landscape)\n"
    "  -o OUT          the file to write\n"
    "  --size WxH      the picture's size in pixels (render)\n"
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
    const QCommandLineOption fixtureOption(QStringLiteral("fixture"), QString(), QStringLiteral("N"));
    const QCommandLineOption playerOption(QStringLiteral("player"), QString(), QStringLiteral("N"));
    const QCommandLineOption portraitOption(QStringLiteral("portrait"));
    const QCommandLineOption landscapeOption(QStringLiteral("landscape"));
    const QCommandLineOption outputOption(QStringLiteral("o"), QString(), QStringLiteral("OUT"));
    const QCommandLineOption sizeOption(QStringLiteral("size"), QString(), QStringLiteral("WxH"));
    parser.addOptions({formatOption, minGamesOption, helpOption, versionOption, fixtureOption,
                       playerOption, portraitOption, landscapeOption, outputOption, sizeOption});

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
        minGames = MinGamesForRanking(LoadPreferences().minGames);
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

    if (command == QStringLiteral("print") || command == QStringLiteral("render")) {
        const bool print = command == QStringLiteral("print");
        if (positional.size() != (print ? 3 : 2))
            return UsageError(err, print ? "print takes a kind and one FILE" : "render takes one FILE");
        if (!parser.isSet(outputOption))
            return UsageError(err, "-o OUT is needed");
        if (parser.isSet(portraitOption) && parser.isSet(landscapeOption))
            return UsageError(err, "--portrait and --landscape exclude each other");

        PrintKind kind = PrintKind::Team;
        if (print) {
            const QString what = positional[1];
            if (what == QStringLiteral("team"))
                kind = PrintKind::Team;
            else if (what == QStringLiteral("sheet"))
                kind = PrintKind::Sheet;
            else if (what == QStringLiteral("player"))
                kind = PrintKind::Player;
            else
                return UsageError(err, "print what? team, sheet or player");
        }
        int index = 0;
        const QCommandLineOption& indexOption = kind == PrintKind::Sheet ? fixtureOption : playerOption;
        if (parser.isSet(indexOption)) {
            bool ok = false;
            index = parser.value(indexOption).toInt(&ok);
            if (!ok)
                return UsageError(err, "--fixture and --player need a whole number");
        }
        QSize size(1280, 800);
        if (parser.isSet(sizeOption)) {
            const QStringList parts = parser.value(sizeOption).split(QLatin1Char('x'));
            bool okW = false, okH = false;
            if (parts.size() == 2)
                size = QSize(parts[0].toInt(&okW), parts[1].toInt(&okH));
            if (!okW || !okH || size.width() < 1 || size.height() < 1 || size.width() > 20000 ||
                size.height() > 20000)
                return UsageError(err, "--size needs WxH, e.g. 1280x800");
        }

        SeasonPtr season = OpenSeasonPath(host, positional.last(), false);
        if (!season)
            return 1;
        if (kind == PrintKind::Sheet && (index < 0 || index >= static_cast<int>(season->fixtures.size())))
            return UsageError(err, "--fixture is out of range: the season has " +
                                       std::to_string(season->fixtures.size()) + " fixtures");
        if (print && kind == PrintKind::Player &&
            (index < 0 || index >= static_cast<int>(season->players.size())))
            return UsageError(err, "--player is out of range: the season has " +
                                       std::to_string(season->players.size()) + " players");

        Preferences preferences = LoadPreferences();
        preferences.minGames = static_cast<std::uint32_t>(minGames);
        const QString output = parser.value(outputOption);
        bool done = false;
        if (print) {
            // Team results are best in landscape; the others in portrait.
            bool landscape = kind == PrintKind::Team;
            if (parser.isSet(portraitOption))
                landscape = false;
            if (parser.isSet(landscapeOption))
                landscape = true;
            done = PrintToPdf(*season, host, preferences, kind, index, landscape, output);
        } else {
            done = RenderToPng(*season, host, preferences, size, output);
        }
        return done ? 0 : 1;
    }

    return UsageError(err, "unknown command: " + command.toStdString());
}
