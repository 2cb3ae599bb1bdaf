#pragma once

#include <string>
#include <vector>

class ChecksumList;

// "WARNING: 1 line is improperly formatted" (or "N lines are ..."), the count of
// md5sum-family lines a load skipped; empty for none.
[[nodiscard]] std::string ImproperLinesWarning(int improperLines);

// Everything a front end warns about after a load: a kind only guessed from the
// digests' length, the improperly formatted lines, then one "<name>: <reason>" per row whose checksum cannot be a digest of its
// algorithm (such a row verifies as bad).
[[nodiscard]] std::vector<std::string> LoadWarnings(const ChecksumList& list, int improperLines);
