#pragma once

#include "generationjob.h"
#include "generationoutcome.h"

class GenerationObserver;

// The generation loop, on the calling thread: opens the list (SFV: appends to the head
// already written; otherwise creates or empties it), checksums each chosen file in
// order and writes its entry line as soon as it is done. Stops at the next block once
// g_abort is raised (the file being read gets no line), stops at the first failed
// write, and gives no line to a file that cannot be read (reported in the outcome).
// Does not clear g_abort (the caller does, before the run can be cancelled) and leaves
// it raised at the end. Reports through `observer`, ending with RunEnded.
GenerationOutcome RunGeneration(const GenerationJob& job, GenerationObserver& observer);
