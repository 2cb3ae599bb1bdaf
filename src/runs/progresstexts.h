#pragma once

#include <cstdint>
#include <string>

// The number texts of a progress display, shared by the window and tallyfox-check.
// Units are binary (1 KB = 1024 bytes), as a file manager shows them.

// "512 B", "4.0 KB", "12.3 MB", "1.50 GB" (two decimals from a gigabyte on).
[[nodiscard]] std::string ByteAmountText(std::uint64_t bytes);
// Always in megabytes a second, one decimal: "45.6 MB/s". Negative or non-finite
// speeds read "0.0 MB/s".
[[nodiscard]] std::string SpeedText(double bytesPerSecond);
// Whole seconds, rounded up: "0:05", "12:34", "1:02:03". Negative values and NaN read
// "0:00"; anything beyond 99:59:59 (infinity too) reads "99:59:59+".
[[nodiscard]] std::string DurationText(double seconds);
