#pragma once

#include "blake3path.h"

#include <span>

class ReadOnlyFile;

// Works out the BLAKE3 digest of each of `files` that was read whole and keeps it with
// the file (ReadOnlyFile::ContentBlake3), the chunks of many files compressed side by
// side: one small file has too few chunks to fill the vectors, a batch of them has
// plenty. Files not read whole are left as they are, to be hashed as they are read.
void Blake3OfWholeFiles(std::span<ReadOnlyFile* const> files, Blake3Path path = Blake3Path::Auto);
