#pragma once

#include "listtypes.h"

#include <string>

class ChecksumList;

// What a front end says about a loaded list whose verdicts alone would mislead.

// "No checksum lines found in [%s]: nothing to verify.": a list that gave no entry
// (empty, only comments, only lines that are not checksum lines) is an error, not a
// list whose every file is OK.
[[nodiscard]] std::string NoChecksumLinesMessage(const std::string& path);

// "the list's kind (SHA256) is guessed from its digests' length", for a list whose
// name and lines do not say which algorithm made it.
[[nodiscard]] std::string GuessedKindWarning(ListKind kind);

// True when the list's kind was guessed and a whole run found every file it could
// read bad (none OK, none left unchecked; missing files say nothing either way): far
// more likely a list of another algorithm with digests as long (BLAKE3, BLAKE2b, SHA3)
// than a folder of corrupt files.
[[nodiscard]] bool ProbablyAnotherKind(const ChecksumList& list);

// "every entry is bad: the list is probably not SHA256 but of another kind whose
// digests are as long".
[[nodiscard]] std::string ProbablyAnotherKindMessage(ListKind kind);
