#pragma once

#include <string>
#include <vector>

enum class GenerationStatus {
    Completed,    // every chosen file was read (some may have been left out)
    Aborted,      // g_abort stopped the run; the lines written so far stay
    CreateFailed, // the list could not be opened; nothing was read
    WriteFailed,  // a line could not be written: the run stopped there
    UnknownKind,  // neither SFV nor MD5: the list was created empty
};

// A chosen file that could not be read when its turn came: it got no line.
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

    // The run opened its list and ran its loop (completely or until stopped).
    [[nodiscard]] bool Started() const noexcept { return status != GenerationStatus::CreateFailed; }
};
