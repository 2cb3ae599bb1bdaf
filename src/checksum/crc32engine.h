#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class ProgressSink;
class ReadOnlyFile;

// Result codes of Crc32Engine::ChecksumFile besides the errno of a failed open.
inline constexpr int kChecksumOk = 0;
inline constexpr int kChecksumFileNotFound = 2;  // ENOENT: the run calls the entry Missing
inline constexpr int kChecksumNoTable = 23;

// Which fold the engine uses; Auto picks the fastest the CPU supports. Table is the
// plain byte-at-a-time loop, Slicing16 the portable sixteen-table loop, Pclmul and
// Vpclmul the carry-less multiply folds on 128-bit and 512-bit vectors (x86-64).
enum class Crc32Path { Auto, Table, Slicing16, Pclmul, Vpclmul };

[[nodiscard]] bool Crc32PathSupported(Crc32Path path) noexcept;
[[nodiscard]] const char* Crc32PathName(Crc32Path path) noexcept;

struct Crc32Tables;

// CRC-32 (ISO 3309 / ITU-T V.42, reflected polynomial 0xEDB88320) of whole files.
// The lookup table is built at run time by BuildTable; every faster fold is derived
// from it there. One engine belongs to one run and is never shared between threads.
class Crc32Engine {
public:
    // The logical block: folding, progress, pump and abort check happen once per block.
    static constexpr std::size_t kBlockSize = 4096;

    Crc32Engine() noexcept;
    virtual ~Crc32Engine();
    Crc32Engine(const Crc32Engine&) = delete;
    Crc32Engine& operator=(const Crc32Engine&) = delete;

    // Builds the table and everything derived from it, replacing any earlier table.
    void BuildTable();
    void FreeTable() noexcept;
    [[nodiscard]] bool HasTable() const noexcept;
    // The 256-entry table, or null without one.
    [[nodiscard]] const std::uint32_t* Table() const noexcept;

    // Forces a fold (tests and benchmarks); an unsupported path falls back to Auto.
    void SetPath(Crc32Path path) noexcept;
    // The fold in use: never Auto.
    [[nodiscard]] Crc32Path ActivePath() const noexcept { return m_activePath; }

    // Threads one large file is folded on at most, in ranges whose registers are then
    // joined (1: one thread). By default the hardware threads, at most 8; a run that
    // hashes several files at once lowers it.
    void SetRangeThreads(int threads) noexcept;
    [[nodiscard]] int RangeThreads() const noexcept { return m_rangeThreads; }
    [[nodiscard]] static int DefaultRangeThreads() noexcept;

    // Folds `length` bytes into the register (not complemented) and returns it.
    // Without a table the register comes back unchanged.
    [[nodiscard]] std::uint32_t Fold(std::uint32_t reg, const unsigned char* data, std::size_t length) const noexcept;

    // CRC-32 of the file at `path` into `crc`. Maps a large file (or reads through a
    // large buffer) and folds a large one on several threads, but folds, reports
    // progress, pumps and checks g_abort once per 4096-byte block. Returns 0,
    // the errno of a failed open (2 when the file does not exist, 21 for a folder)
    // or of a read that failed part-way, or 23 without a table; `crc` is 00000000
    // when the open failed, the CRC of the bytes before a failed read after one.
    int ChecksumFile(const std::string& path, std::uint32_t& crc, ProgressSink& progress,
                     std::int64_t totalBytes, std::uint64_t& bytesDone) const;
    // The same for a file the caller has already opened (and whose size it has used);
    // a file whose open failed gives its errno.
    int ChecksumFile(ReadOnlyFile& file, std::uint32_t& crc, ProgressSink& progress, std::int64_t totalBytes,
                     std::uint64_t& bytesDone) const;

private:
    using FoldFunction = std::uint32_t (*)(const Crc32Tables&, std::uint32_t, const unsigned char*,
                                           std::size_t) noexcept;

    std::unique_ptr<Crc32Tables> m_tables;
    Crc32Path m_activePath;
    FoldFunction m_fold;
    int m_rangeThreads;
};
