#include "cli/Cli.h"

#include <QCommandLineParser>

#include "TesselVersion.h"
#include "cli/CliHost.h"
#include "cli/Commands.h"
#include "platform/Settings.h"

namespace {

std::optional<QString> ValueIfSet(const QCommandLineParser& parser,
                                  const QCommandLineOption& option)
{
    if (!parser.isSet(option))
        return std::nullopt;
    return parser.value(option);
}

} // namespace

int RunCli(const QStringList& arguments, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption formatOption(QStringLiteral("format"), QString(), QStringLiteral("F"),
                                          QStringLiteral("text"));
    const QCommandLineOption minGamesOption(QStringLiteral("min-games"), QString(),
                                            QStringLiteral("N"));
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(QStringLiteral("version"));
    const QCommandLineOption fixtureOption(QStringLiteral("fixture"), QString(),
                                           QStringLiteral("N"));
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
        out << kCliUsage;
        return 0;
    }
    if (parser.isSet(versionOption)) {
        out << "tessel-cli " << kVersionText << "\n";
        return 0;
    }

    CliArguments args;
    args.positional = parser.positionalArguments();
    if (args.positional.isEmpty())
        return UsageError(err, "no command given");
    args.format = parser.value(formatOption);
    args.formatGiven = parser.isSet(formatOption);
    args.fixture = ValueIfSet(parser, fixtureOption);
    args.player = ValueIfSet(parser, playerOption);
    args.output = ValueIfSet(parser, outputOption);
    args.size = ValueIfSet(parser, sizeOption);
    args.portrait = parser.isSet(portraitOption);
    args.landscape = parser.isSet(landscapeOption);

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
    const CliRun run{args, host, out, err, minGames};

    const QString& command = args.positional.first();
    if (command == QStringLiteral("report"))
        return RunReport(run);
    if (command == QStringLiteral("convert"))
        return RunConvert(run);
    if (command == QStringLiteral("print"))
        return RunPrint(run);
    if (command == QStringLiteral("render"))
        return RunRender(run);
    if (command == QStringLiteral("export"))
        return RunExport(run);
    return UsageError(err, "unknown command: " + command.toStdString());
}
