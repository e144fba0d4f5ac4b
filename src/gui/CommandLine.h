#pragma once

#include <QString>
#include <QStringList>

#include <ostream>

// The program is started as: tessel [--switch ...] [file ...]
// Arguments that begin with "--" are switches (none is defined yet, and
// unknown ones are skipped, so that a newer launcher cannot stop an older
// program); of the others, the last names the season file to open at
// start-up. Only the first kMaxArguments arguments are looked at.
inline constexpr int kMaxArguments = 127;

bool IsSwitchArgument(const QString& argument);

// The file to open at start-up, or an empty string. arguments excludes the
// program's own name.
QString StartupFile(const QStringList& arguments);

// --version and --help are answered on out before the program opens a window
// (or needs a display at all): the exit status, or -1 to start as usual.
int AnswerInformationSwitches(int argc, const char* const* argv, std::ostream& out);
