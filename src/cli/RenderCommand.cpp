#include "cli/Commands.h"
#include "cli/Printouts.h"
#include "model/Season.h"
#include "platform/SeasonFiles.h"
#include "platform/Settings.h"

int RunRender(const CliRun& run)
{
    const CliArguments& args = run.args;
    if (args.positional.size() != 2)
        return UsageError(run.err, "render takes one FILE");
    if (const int status = CheckOutputOptions(run))
        return status;
    // --player is read (and must be a number) though the grid has no use for it.
    int index = 0;
    QSize size;
    if (const int status = ReadIndexAndSize(run, false, index, size))
        return status;

    SeasonPtr season = OpenSeasonPath(run.host, args.positional.last(), false);
    if (!season)
        return 1;
    Preferences preferences = LoadPreferences();
    preferences.minGames = static_cast<std::uint32_t>(run.minGames);
    return RenderToPng(*season, run.host, preferences, size, *args.output) ? 0 : 1;
}
