#pragma once

#include <QStringList>
#include <ostream>

// Runs tessel-cli with the given arguments (the program name first) and
// returns its exit status: 0 success, 1 a file could not be read or written,
// 2 a usage error. Output goes to out, messages to err.
int RunCli(const QStringList& arguments, std::ostream& out, std::ostream& err);
