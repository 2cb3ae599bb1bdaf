#pragma once

#include "generationoutcome.h"
#include "listtypes.h"

#include <cstdint>
#include <string>

inline constexpr char kUserAbortedMessage[] = "User aborted.";
inline constexpr char kSfvGroupCaption[] = "-= [SFV] =-";
inline constexpr char kMd5GroupCaption[] = "-= [MD5] =-";
inline constexpr char kUnknownGroupCaption[] = "-= [UNKNOWN] =-";

// The progress dialog's group caption for a run of `kind`: "-= [SFV] =-", "-= [MD5] =-",
// "-= [SHA256] =-", "-= [BLAKE3] =-" ..., the unknown caption for a kind no run writes.
[[nodiscard]] std::string GroupCaption(ListKind kind);
[[nodiscard]] std::string GenerationCounterText(int number, int count);      // "%d/%d"
[[nodiscard]] std::string UnknownOutputTypeMessage(std::int32_t kind);        // "Unknown Output Type: [%d]"
// Names the files that got no line in the list at `listPath`, one per line with the
// reason; empty when none was left out.
[[nodiscard]] std::string LeftOutMessage(const std::string& listPath, const std::vector<LeftOutFile>& leftOut);
