#include "cli/Commands.h"

int CheckOutputOptions(const CliRun& run)
{
    if (!run.args.output)
        return UsageError(run.err, "-o OUT is needed");
    if (run.args.portrait && run.args.landscape)
        return UsageError(run.err, "--portrait and --landscape exclude each other");
    return 0;
}

int ReadIndexAndSize(const CliRun& run, bool forFixture, int& index, QSize& size)
{
    const CliArguments& args = run.args;
    index = 0;
    const std::optional<QString>& indexText = forFixture ? args.fixture : args.player;
    if (indexText) {
        bool ok = false;
        index = indexText->toInt(&ok);
        if (!ok)
            return UsageError(run.err, "--fixture and --player need a whole number");
    }
    size = QSize(1280, 800);
    if (args.size) {
        const QStringList parts = args.size->split(QLatin1Char('x'));
        bool okW = false, okH = false;
        if (parts.size() == 2)
            size = QSize(parts[0].toInt(&okW), parts[1].toInt(&okH));
        if (!okW || !okH || size.width() < 1 || size.height() < 1 || size.width() > 20000 ||
            size.height() > 20000)
            return UsageError(run.err, "--size needs WxH, e.g. 1280x800");
    }
    return 0;
}
