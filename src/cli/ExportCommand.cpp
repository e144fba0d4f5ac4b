#include "cli/Commands.h"
#include "model/Season.h"
#include "platform/SeasonFiles.h"
#include "platform/Settings.h"
#include "platform/WebPageFile.h"
#include "render/WebPage.h"

int RunExport(const CliRun& run)
{
    const CliArguments& args = run.args;
    if (args.positional.size() != 3 || args.positional[1] != QStringLiteral("html"))
        return UsageError(run.err, "export takes html and one FILE");
    if (!args.output)
        return UsageError(run.err, "-o OUT is needed");
    if (args.formatGiven || args.fixture || args.player || args.size || args.portrait ||
        args.landscape)
        return UsageError(run.err, "export html takes only --min-games and -o");

    SeasonPtr season = OpenSeasonPath(run.host, args.positional[2], false);
    if (!season)
        return 1;
    WebPageOptions options;
    options.minGames = run.minGames;
    options.highlightLosses = static_cast<int>(LoadPreferences().highlightLosses);
    return ExportWebPage(run.host, *season, options, *args.output) ? 0 : 1;
}
