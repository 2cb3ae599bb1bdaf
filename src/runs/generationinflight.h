#pragma once

#include "generationjob.h"
#include "generationoutcome.h"

class GenerationObserver;
class ListFileWriter;

// The generation loop with `workers` files in flight (this thread and workers - 1
// more), for a list of kind SFV or MD5 already opened in `writer`. Files are handed out
// in the chosen order and their lines written in that order: a file that finishes
// before an earlier one holds its line until every earlier file has its line (or was
// left out). Stops as the one-at-a-time loop does: at an abort (the lines of the files
// before the first one interrupted are written, no later one) or at the first failed
// write.
void GenerateInFlight(const GenerationJob& job, GenerationObserver& observer, ListFileWriter& writer, int workers,
                      GenerationOutcome& outcome);
