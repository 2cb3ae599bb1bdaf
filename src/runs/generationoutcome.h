#pragma once

#include <string>
#include <vector>

enum class GenerationStatus {
    Completed,    // every chosen file was read (some may have been left out)
    Aborted,      // g_abort stopped the run; the lines written so far stay, marked incomplete
    CreateFailed, // the list could not be opened; nothing was read
    WriteFailed,  // a line could not be written: the run stopped there, and whatever
                  // was at the list's place before stays as it was
    UnknownKind,  // neither SFV nor MD5: the list was created empty
};

// A chosen file that got no line: it could not be read when its turn came, or its name
// cannot be held by the list.
struct LeftOutFile {
    std::string name;    // as the list would have named it
    std::string reason;  // the system's text
};

struct GenerationOutcome {
    GenerationStatus status = GenerationStatus::Completed;
    // The text to show for CreateFailed, WriteFailed and UnknownKind; empty otherwise
    // ("User aborted." belongs to the Cancel button, not to the end of the run).
    std::string message;
    std::vector<LeftOutFile> leftOut;
    int linesWritten = 0;
    // How many chosen files, from the first on, got a line or were left out; the files
    // after them were not reached (the run was cut short or a write failed).
    int filesDone = 0;

    // The run opened its list and ran its loop (completely or until stopped).
    [[nodiscard]] bool Started() const noexcept { return status != GenerationStatus::CreateFailed; }
};
