#pragma once

#include "folderanchor.h"
#include "readonlyfile.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include <sys/stat.h>

// Opens a batch of files, and reads the small ones whole, with few system calls: where
// the kernel offers io_uring, each step for the whole batch is one submission (the look
// at every path, the opens of the regular files, their status through the descriptor,
// the reads with the closes); elsewhere one file after another. Either way each file
// is as ReadOnlyFile(path) followed by PreRead(contentLimit) gives it: the kind is looked
// at before the open, so a device, socket or FIFO is never opened, and checked again
// through the descriptor. One reader belongs to one thread.
class FileBatchReader {
public:
    static constexpr std::size_t kMaxBatch = 32;
    // The files the runs read as a batch: small enough that a batch's content costs
    // little memory, and that reading it ahead of its turn delays nothing.
    static constexpr std::size_t kSmallFileBytes = 64 * 1024;

    // Files of 1 to `contentLimit` bytes are read whole; others are left open.
    explicit FileBatchReader(std::size_t contentLimit);
    ~FileBatchReader();
    FileBatchReader(const FileBatchReader&) = delete;
    FileBatchReader& operator=(const FileBatchReader&) = delete;

    // The files at `paths`, in the same order; one submission per kMaxBatch of them.
    [[nodiscard]] std::vector<ReadOnlyFile> Open(std::span<const AnchoredPath> paths);
    // Each path's status as stat gives it (links followed; no time of last access), or
    // none where stat fails;
    // for up to kMaxBatch paths one submission through io_uring.
    [[nodiscard]] std::vector<std::optional<struct stat>> Look(std::span<const AnchoredPath> paths);
    // QueryFileSize for each of `paths` (at most kMaxBatch): `sizes[i]` is the file's
    // size, or `absent` when the test fails. The looks are one submission through io_uring.
    void QuerySizes(std::span<const AnchoredPath> paths, std::span<std::uint64_t> sizes, std::uint64_t absent);
    // Whether the batches go through io_uring.
    [[nodiscard]] bool UsesRing() const noexcept { return m_ring != nullptr; }
    // Turns io_uring off for this reader (to compare the two ways).
    void UseOneAtATime() noexcept;

private:
    class Ring;
    std::vector<ReadOnlyFile> OpenOneAtATime(std::span<const AnchoredPath> paths) const;

    std::size_t m_contentLimit;
    std::unique_ptr<Ring> m_ring;
};
