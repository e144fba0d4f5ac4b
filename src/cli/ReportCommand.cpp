#include "cli/Commands.h"
#include "cli/Report.h"
#include "model/Season.h"
#include "platform/SeasonFiles.h"

int RunReport(const CliRun& run)
{
    const QStringList& positional = run.args.positional;
    if (positional.size() != 2)
        return UsageError(run.err, "report takes one FILE");
    const QString& format = run.args.format;
    if (format != QStringLiteral("text") && format != QStringLiteral("csv") &&
        format != QStringLiteral("json"))
        return UsageError(run.err, "unknown format: " + format.toStdString());
    SeasonPtr season = OpenSeasonPath(run.host, positional[1], false);
    if (!season)
        return 1;
    if (format == QStringLiteral("json"))
        run.out << ReportJson(*season, run.minGames);
    else if (format == QStringLiteral("csv"))
        run.out << ReportCsv(*season, run.minGames);
    else
        run.out << ReportText(*season, run.host, run.minGames);
    run.out.flush();
    return run.out.good() ? 0 : 1;
}
