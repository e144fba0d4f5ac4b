#include "cli/Commands.h"
#include "model/Season.h"
#include "platform/SeasonFiles.h"

int RunConvert(const CliRun& run)
{
    const QStringList& positional = run.args.positional;
    if (run.args.formatGiven)
        return UsageError(run.err, "convert takes no --format");
    if (positional.size() != 3)
        return UsageError(run.err, "convert takes IN and OUT");
    SeasonPtr season = OpenSeasonPath(run.host, positional[1], false);
    if (!season)
        return 1;
    if (!SaveSeason(run.host, *season, true, [&positional] { return positional[2]; }))
        return 1;
    return 0;
}
