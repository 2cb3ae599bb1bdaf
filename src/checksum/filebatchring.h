#pragma once

#include "filebatchreader.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include <sys/stat.h>

// FileBatchReader's io_uring instance and the steps of a batch through it.
class FileBatchReader::Ring {
public:
    // A ring with the operations a batch needs, or null where the kernel (or its
    // configuration, or the build) offers none.
    [[nodiscard]] static std::unique_ptr<Ring> Create();
    ~Ring();
    Ring(const Ring&) = delete;
    Ring& operator=(const Ring&) = delete;

    // True once the kernel refused a submission: the reader then goes on without the ring.
    [[nodiscard]] bool Broken() const noexcept;
    // Each path's status as fstatat gives it (without the time of last access), or none.
    [[nodiscard]] std::vector<std::optional<struct stat>> Look(std::span<const AnchoredPath> paths);
    [[nodiscard]] std::vector<ReadOnlyFile> Open(std::span<const AnchoredPath> paths, std::size_t contentLimit);

private:
    struct State;
    explicit Ring(std::unique_ptr<State> state) noexcept;

    std::unique_ptr<State> m_state;
};
