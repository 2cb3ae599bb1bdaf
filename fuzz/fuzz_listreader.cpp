// Fuzzes the checksum list reader: any bytes, read as an SFV list and as an MD5 list,
// load without fault, and every row the load gives has its expected checksum and
// size text.

#include "checksumlist.h"
#include "listreader.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// The list's bytes in a file that lives in memory only, and its path.
class MemoryFile {
public:
    explicit MemoryFile(const std::uint8_t* data, std::size_t size) : m_fd(::memfd_create("list", MFD_CLOEXEC))
    {
        std::size_t written = 0;
        while (m_fd >= 0 && written < size) {
            const ssize_t got = ::write(m_fd, data + written, size - written);
            if (got <= 0) {
                break;
            }
            written += static_cast<std::size_t>(got);
        }
    }
    ~MemoryFile()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    [[nodiscard]] std::string Path() const { return "/proc/self/fd/" + std::to_string(m_fd); }

private:
    int m_fd;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const MemoryFile file(data, size);
    for (const ListKind kind : {ListKind::Sfv, ListKind::Md5}) {
        // Names are looked up below a folder that does not exist (absolute names still
        // reach real files, which is harmless: only regular files are ever opened).
        LoadOutcome outcome = LoadChecksumList(file.Path(), "/nonexistent-tallyfox-fuzz/", kind, kSizeTypeAuto);
        if (outcome.status != LoadStatus::Loaded) {
            __builtin_trap();  // a readable regular file always loads
        }
        ChecksumList list;
        list.Replace(std::move(outcome.content));
        for (int row = 0; row < list.RowCount(); ++row) {
            if (list.SizeText(row).empty() || list.RowName(row).size() > kListLineLimit) {
                __builtin_trap();
            }
            (void)list.ExpectedChecksum(row);
        }
    }
    return 0;
}
