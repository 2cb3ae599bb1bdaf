#pragma once

#include "blake3many.h"

// Which function compresses many chunks (or parents) side by side; Auto picks the
// widest the CPU supports. Portable runs them one after another; Sse41 runs 4,
// Avx2 8 and Avx512 16 at once, one input per vector element (x86-64).
enum class Blake3Path { Auto, Portable, Sse41, Avx2, Avx512 };

[[nodiscard]] bool Blake3PathSupported(Blake3Path path) noexcept;
[[nodiscard]] const char* Blake3PathName(Blake3Path path) noexcept;
// The path Auto stands for on this CPU, or `path` itself when supported (else Auto's).
[[nodiscard]] Blake3Path Blake3ResolvePath(Blake3Path path) noexcept;
[[nodiscard]] Blake3ManyFunction Blake3ManyFor(Blake3Path path) noexcept;
