#include "cli/Commands.h"
#include "cli/Printouts.h"
#include "model/Season.h"
#include "platform/SeasonFiles.h"
#include "platform/Settings.h"

int RunPrint(const CliRun& run)
{
    const CliArguments& args = run.args;
    if (args.positional.size() != 3)
        return UsageError(run.err, "print takes a kind and one FILE");
    if (const int status = CheckOutputOptions(run))
        return status;

    PrintoutKind kind = PrintoutKind::TeamResults;
    const QString& what = args.positional[1];
    if (what == QStringLiteral("team"))
        kind = PrintoutKind::TeamResults;
    else if (what == QStringLiteral("sheet"))
        kind = PrintoutKind::MatchSheet;
    else if (what == QStringLiteral("player"))
        kind = PrintoutKind::PlayerSummary;
    else
        return UsageError(run.err, "print what? team, sheet or player");

    int index = 0;
    QSize size;
    if (const int status = ReadIndexAndSize(run, kind == PrintoutKind::MatchSheet, index, size))
        return status;

    SeasonPtr season = OpenSeasonPath(run.host, args.positional.last(), false);
    if (!season)
        return 1;
    if (kind == PrintoutKind::MatchSheet &&
        (index < 0 || index >= static_cast<int>(season->fixtures.size())))
        return UsageError(run.err, "--fixture is out of range: the season has " +
                                       std::to_string(season->fixtures.size()) + " fixtures");
    if (kind == PrintoutKind::PlayerSummary &&
        (index < 0 || index >= static_cast<int>(season->players.size())))
        return UsageError(run.err, "--player is out of range: the season has " +
                                       std::to_string(season->players.size()) + " players");

    Preferences preferences = LoadPreferences();
    preferences.minGames = static_cast<std::uint32_t>(run.minGames);
    // Team results are best in landscape; the others in portrait.
    bool landscape = kind == PrintoutKind::TeamResults;
    if (args.portrait)
        landscape = false;
    if (args.landscape)
        landscape = true;
    return PrintToPdf(*season, run.host, preferences, kind, index, landscape, *args.output) ? 0 : 1;
}
