#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <ostream>
#include <string>

class Host;

// The command line as parsed, before any verb has looked at it.
struct CliArguments {
    QStringList positional; // the verb first
    QString format = QStringLiteral("text");
    bool formatGiven = false;
    std::optional<QString> fixture;
    std::optional<QString> player;
    std::optional<QString> output;
    std::optional<QString> size;
    bool portrait = false;
    bool landscape = false;
};

// What every verb gets: its arguments, the host its messages go through, the
// two streams and the MinGames the ranking uses.
struct CliRun {
    const CliArguments& args;
    Host& host;
    std::ostream& out;
    std::ostream& err;
    int minGames;
};

// The usage text, for --help and after a usage error.
extern const char* const kCliUsage;

// Writes "tessel-cli: reason" (when there is one) and the usage text to err;
// returns the usage error's exit status, 2.
int UsageError(std::ostream& err, const std::string& reason);

// One function per verb; each returns the exit status.
int RunReport(const CliRun& run);
int RunConvert(const CliRun& run);
int RunPrint(const CliRun& run);
int RunRender(const CliRun& run);
int RunExport(const CliRun& run);

// The options print and render share. Each returns 0 when they hold, else
// the usage error's status (the reason told).
// -o is given, and not both orientations.
int CheckOutputOptions(const CliRun& run);
// The index option (--fixture when forFixture, else --player) is a whole
// number, and --size is WxH; index and size get their values or defaults.
int ReadIndexAndSize(const CliRun& run, bool forFixture, int& index, QSize& size);
