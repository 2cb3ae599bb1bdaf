#pragma once

#include "filebatchreader.h"

#include <cstddef>
#include <functional>

// Runs `work(begin, end, reader)` over the items 0 to `count`, in runs of at most
// `runLength` items, on up to four threads (the calling thread among them), each
// with its own FileBatchReader. Meant for looking at many paths: the time goes into
// the kernel's path lookups, which scale with cores. Below `itemsPerThread` items
// per thread, fewer threads are used; with fewer than one batch of items the reader
// goes one file at a time (a ring costs more than it saves on a few files).
void RunBatchesOnThreads(std::size_t count, std::size_t itemsPerThread, std::size_t runLength,
                         const std::function<void(std::size_t, std::size_t, FileBatchReader&)>& work);
