#pragma once

#include "checksumlist.h"

#include <QString>

#include <array>

// The main window's texts that carry a value, translated as whole sentences: the
// English source strings keep their "%s" and "%d" places, which are filled in here
// (never used as a format string).

// "OK: %d", "Bad: %d", "Missing: %d", "Unchecked: %d" for the four status-bar parts.
[[nodiscard]] std::array<QString, 4> StatusBarPartTexts(const Counters& counters);
// "Open [%s] failed."
[[nodiscard]] QString OpenFailedText(const QString& path);
// "Unknow file type: [%s]."
[[nodiscard]] QString UnknownFileTypeText(const QString& path);
// "Create [%s] failed."
[[nodiscard]] QString CreateFailedText(const QString& path);
