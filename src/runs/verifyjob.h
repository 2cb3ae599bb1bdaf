#pragma once

#include <string>

class ChecksumList;
class RunObserver;

// The parameter block handed to a verification worker.
struct VerifyJob {
    std::string baseFolder;          // copy of the list's base folder at start time
    ChecksumList* owner = nullptr;   // the list whose rows and fields the worker updates
    RunObserver* observer = nullptr; // where the worker reports everything else
    int startIndex = 0;              // first row (all-rows worker only)
    bool resetRows = true;           // every row back to Unchecked first; false: resume
    int sizeType = 0;                // size display mode of the rows' size texts from the run on
    bool autoScroll = true;          // keep the row being verified in view
    int filesInFlight = 0;           // 1 to 8 forces that many at once; 0 decides by the disk
};
