#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// The file a new list is written to. Each Write goes to the file at once, so the list
// grows line by line and what was written survives a cancel; every failure (full disk,
// I/O error, file-size limit) is kept with its errno instead of being lost.
class ListFileWriter {
public:
    enum class Mode { Truncate, Append };

    ListFileWriter(const std::string& path, Mode mode) noexcept;
    ~ListFileWriter();
    ListFileWriter(const ListFileWriter&) = delete;
    ListFileWriter& operator=(const ListFileWriter&) = delete;

    [[nodiscard]] bool IsOpen() const noexcept { return m_fd >= 0; }
    // errno of the failed open, or of the first failed write or close; 0 while all went well.
    [[nodiscard]] int Error() const noexcept { return m_error; }

    // Writes all of `bytes`; false (and Error set) when any of it could not be written.
    // A write that fails part-way is cut back off, so the file never ends in half a line.
    bool Write(std::string_view bytes) noexcept;
    // Closes the file; false when closing reported an error (or the file was not open).
    bool Close() noexcept;

private:
    int m_fd = -1;
    int m_error = 0;
    off_t m_size = 0;  // bytes in the file after the last complete Write
};
