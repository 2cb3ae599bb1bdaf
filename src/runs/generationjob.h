#pragma once

#include "chosenfiles.h"
#include "generationoutcome.h"

#include <cstdint>
#include <string>

// Everything a generation run needs, prepared before it starts. The list is written to
// a temporary file beside outputPath and renamed into place at the end. For an SFV list
// the head has already been written to that file (writePath); the run appends the entry
// lines.
struct GenerationJob {
    std::string outputPath{};
    // The temporary file holding the SFV head (WriteSfvHead gives it); empty: the run
    // creates one beside outputPath.
    std::string writePath{};
    // ListKind: a kind IsCreatableListKind accepts; anything else is reported as unknown.
    std::int32_t kind = 0;
    ChosenFiles chosen{};
    // Files meant for the list that could not even be reached before the run (named in
    // the comments at the list's end, with the files the run leaves out).
    std::vector<LeftOutFile> leftOutBefore{};
    // true: each line is written the moment its file is done, so the list grows line
    // by line (the window). false: lines of small files are gathered and written in
    // larger pieces, always before a long read and at the end, also after a cancel;
    // the bytes are the same (the command line, where a write per file costs).
    bool writeEachLineAtOnce = true;
    // Files read at once: 1 to 8 forces that many, 0 decides by the disk of the first
    // file. The lines are written in the chosen order either way.
    int filesInFlight = 0;
    // Lines of the md5sum family in the tagged form ("SHA256 (name) = hex", as --tag
    // writes them) rather than plain; ignored for SFV.
    bool taggedLines = false;
};
