#include "filebatchring.h"

#include "regularfile.h"

#if TALLYFOX_HAVE_LIBURING

#include <liburing.h>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <array>
#include <cstdint>

namespace {

// Room for the biggest step: a read and a close for every file of a batch.
constexpr unsigned kQueueDepth = 2 * FileBatchReader::kMaxBatch;
constexpr std::uint64_t kCloseTag = ~std::uint64_t{0};  // completions nobody waits for

// One file of a batch on its way through the steps.
struct Slot {
    int error = 0;  // why the file is not open; 0 while it may be
    int fd = -1;
    struct statx look {};    // the path's kind, before the open
    struct statx status {};  // the descriptor's status, after it
    std::unique_ptr<unsigned char[]> content;
    bool readWhole = false;  // content holds the whole file
    bool again = false;      // the read did not give the size: opened again the usual way
};

struct stat StatusOf(const struct statx& from) noexcept
{
    struct stat to {};
    to.st_mode = from.stx_mode;
    to.st_size = static_cast<off_t>(from.stx_size);
    to.st_dev = makedev(from.stx_dev_major, from.stx_dev_minor);
    to.st_ino = from.stx_ino;
    to.st_uid = from.stx_uid;
    to.st_gid = from.stx_gid;
    to.st_nlink = from.stx_nlink;
    to.st_mtim.tv_sec = from.stx_mtime.tv_sec;
    to.st_mtim.tv_nsec = from.stx_mtime.tv_nsec;
    to.st_ctim.tv_sec = from.stx_ctime.tv_sec;
    to.st_ctim.tv_nsec = from.stx_ctime.tv_nsec;
    return to;
}

int KindError(const struct statx& status) noexcept
{
    return NotRegularFileError(StatusOf(status));
}

}  // namespace

struct FileBatchReader::Ring::State {
    io_uring ring{};

    io_uring_sqe* Next(std::uint64_t tag) noexcept
    {
        io_uring_sqe* sqe = io_uring_get_sqe(&ring);  // never null: at most kQueueDepth per step
        io_uring_sqe_set_data64(sqe, tag);
        return sqe;
    }

    // Submits the queued operations and hands each result to `done(tag, result)`; every
    // operation submitted has completed when it returns (a step owns its buffers until
    // then). False, and the ring no longer used, when the kernel took fewer than `count`.
    template <typename Done>
    bool Complete(unsigned count, const Done& done) noexcept
    {
        unsigned submitted = 0;
        while (submitted < count) {
            const int taken = io_uring_submit(&ring);
            if (taken == -EINTR || taken == -EAGAIN) {
                continue;
            }
            if (taken <= 0) {
                break;
            }
            submitted += static_cast<unsigned>(taken);
        }
        for (unsigned reaped = 0; reaped < submitted;) {
            io_uring_cqe* cqe = nullptr;
            const int waited = io_uring_wait_cqe(&ring, &cqe);
            if (waited < 0) {
                continue;  // interrupted: the operation is still running and owns its buffers
            }
            done(io_uring_cqe_get_data64(cqe), cqe->res);
            io_uring_cqe_seen(&ring, cqe);
            ++reaped;
        }
        broken = broken || submitted < count;
        return !broken;
    }

    bool broken = false;
};

std::unique_ptr<FileBatchReader::Ring> FileBatchReader::Ring::Create()
{
    auto state = std::make_unique<State>();
    // SUBMIT_ALL: an operation the kernel refuses still lets the others of its step run.
    if (io_uring_queue_init(kQueueDepth, &state->ring, IORING_SETUP_SUBMIT_ALL | IORING_SETUP_COOP_TASKRUN) != 0 &&
        io_uring_queue_init(kQueueDepth, &state->ring, 0) != 0) {
        return nullptr;
    }
    io_uring_probe* probe = io_uring_get_probe_ring(&state->ring);
    bool usable = probe != nullptr;
    for (const int op : {IORING_OP_STATX, IORING_OP_OPENAT, IORING_OP_READ, IORING_OP_CLOSE}) {
        usable = usable && io_uring_opcode_supported(probe, op) != 0;
    }
    io_uring_free_probe(probe);
    if (!usable) {
        io_uring_queue_exit(&state->ring);
        return nullptr;
    }
    return std::unique_ptr<Ring>(new Ring(std::move(state)));
}

FileBatchReader::Ring::Ring(std::unique_ptr<State> state) noexcept : m_state(std::move(state)) {}

bool FileBatchReader::Ring::Broken() const noexcept
{
    return m_state->broken;
}

FileBatchReader::Ring::~Ring()
{
    io_uring_queue_exit(&m_state->ring);
}

std::vector<std::optional<struct stat>> FileBatchReader::Ring::Look(std::span<const AnchoredPath> paths)
{
    std::array<struct statx, kMaxBatch> looks{};
    std::vector<std::optional<struct stat>> statuses(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        io_uring_prep_statx(m_state->Next(i), paths[i].folderFd, paths[i].path, 0,
                            STATX_BASIC_STATS, &looks[i]);
    }
    const bool done = m_state->Complete(static_cast<unsigned>(paths.size()), [&](std::uint64_t tag, int result) {
        if (result == 0) {
            statuses[tag] = StatusOf(looks[tag]);
        }
    });
    if (!done) {
        // Not every path was looked at: each the usual way.
        for (std::size_t i = 0; i < paths.size(); ++i) {
            struct stat status {};
            statuses[i].reset();
            if (::fstatat(paths[i].folderFd, paths[i].path, &status, 0) == 0) {
                statuses[i] = status;
            }
        }
    }
    return statuses;
}

std::vector<ReadOnlyFile> FileBatchReader::Ring::Open(std::span<const AnchoredPath> paths, std::size_t contentLimit)
{
    State& state = *m_state;
    std::array<Slot, kMaxBatch> slots;
    const std::size_t count = paths.size();
    bool failed = false;
    const auto step = [&](auto queue, auto done) {
        unsigned queued = 0;
        for (std::size_t i = 0; i < count; ++i) {
            queued += queue(i, slots[i]);
        }
        failed = failed || !state.Complete(queued, [&](std::uint64_t tag, int result) {
            if (tag != kCloseTag) {
                done(slots[tag], result);
            }
        });
    };

    // The kind of each path, looked at before anything is opened.
    step([&](std::size_t i, Slot& slot) {
             io_uring_prep_statx(state.Next(i), paths[i].folderFd, paths[i].path, 0, STATX_TYPE, &slot.look);
             return 1U;
         },
         [](Slot& slot, int result) { slot.error = result < 0 ? -result : KindError(slot.look); });
    // The regular files opened; O_NONBLOCK keeps a FIFO put in a file's place since from
    // blocking the open.
    step([&](std::size_t i, Slot& slot) {
             if (failed || slot.error != 0) {
                 return 0U;
             }
             io_uring_prep_openat(state.Next(i), paths[i].folderFd, paths[i].path,
                                  O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0);
             return 1U;
         },
         [](Slot& slot, int result) {
             slot.fd = result;
             slot.error = result < 0 ? -result : 0;
         });
    // What was opened, through its descriptor.
    step([&](std::size_t i, Slot& slot) {
             if (failed || slot.fd < 0) {
                 return 0U;
             }
             io_uring_prep_statx(state.Next(i), slot.fd, "", AT_EMPTY_PATH,
                                 STATX_TYPE | STATX_SIZE | STATX_INO | STATX_CTIME, &slot.status);
             return 1U;
         },
         [](Slot& slot, int result) { slot.error = result < 0 ? -result : KindError(slot.status); });
    // The small files read whole (one byte more than their size shows a file that grew)
    // and closed; the descriptors of the files refused closed.
    step([&](std::size_t i, Slot& slot) {
             if (failed || slot.fd < 0) {
                 return 0U;
             }
             const std::uint64_t size = slot.status.stx_size;
             const bool small = slot.error == 0 && size > 0 && size <= contentLimit;
             unsigned queued = 0;
             if (small) {
                 slot.content = std::make_unique_for_overwrite<unsigned char[]>(size + 1);
                 io_uring_sqe* read = state.Next(i);
                 io_uring_prep_read(read, slot.fd, slot.content.get(), static_cast<unsigned>(size + 1), 0);
                 read->flags |= IOSQE_IO_HARDLINK;  // the close follows whatever the read gives
                 ++queued;
             }
             if (small || slot.error != 0) {
                 io_uring_prep_close(state.Next(kCloseTag), slot.fd);
                 slot.fd = -1;
                 ++queued;
             }
             return queued;
         },
         [](Slot& slot, int result) {
             slot.readWhole = result >= 0 && static_cast<std::uint64_t>(result) == slot.status.stx_size;
             slot.again = !slot.readWhole;
         });

    std::vector<ReadOnlyFile> files;
    files.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        Slot& slot = slots[i];
        if (failed && slot.fd >= 0) {
            ::close(slot.fd);
            slot.fd = -1;
        }
        if (failed || slot.again) {
            files.emplace_back(paths[i]);
            (void)files.back().PreRead(contentLimit);
        } else if (slot.readWhole) {
            files.push_back(ReadOnlyFile::WithContent(StatusOf(slot.status), std::move(slot.content)));
        } else if (slot.fd >= 0) {
            RegularFileDescriptor opened;
            opened.fd = slot.fd;
            opened.status = StatusOf(slot.status);
            files.emplace_back(opened);
        } else {
            RegularFileDescriptor refused;
            refused.error = slot.error;
            files.emplace_back(refused);
        }
    }
    return files;
}

#else

std::unique_ptr<FileBatchReader::Ring> FileBatchReader::Ring::Create()
{
    return nullptr;
}

struct FileBatchReader::Ring::State {};

bool FileBatchReader::Ring::Broken() const noexcept
{
    return false;
}

std::vector<std::optional<struct stat>> FileBatchReader::Ring::Look(std::span<const AnchoredPath> /*paths*/)
{
    return {};
}
FileBatchReader::Ring::Ring(std::unique_ptr<State> state) noexcept : m_state(std::move(state)) {}
FileBatchReader::Ring::~Ring() = default;

std::vector<ReadOnlyFile> FileBatchReader::Ring::Open(std::span<const AnchoredPath> /*paths*/,
                                                      std::size_t /*contentLimit*/)
{
    return {};
}

#endif
