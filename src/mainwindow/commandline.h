#pragma once

#include <QString>
#include <QStringList>

// The checksum list named on the command line: the first argument after the program
// name that is not a flag (flags begin with '-'; after "--" every argument is plain).
// Empty when there is none.
[[nodiscard]] QString CommandLineListPath(const QStringList& arguments);
