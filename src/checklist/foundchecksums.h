#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

// The checksums a run found, one slot per row, held as bytes: a length byte and room
// for the longest digest of the list. The slots are zeroed memory taken from the
// system at once, so a list that is never verified costs no resident memory.
//
// Threads: one writer per row (the run's worker) and any number of readers. A slot's
// length is written last and cleared first, so a reader sees a whole checksum or
// none, except while the same row is being written again, when it may see a mix that
// the next repaint corrects.
class FoundChecksums {
public:
    // Room for `rows` checksums of up to `maxBytes` bytes each (at most 255), all empty.
    void Reset(std::size_t rows, std::size_t maxBytes);

    // Stores the hex text's bytes; text that is not hex, of odd length or too long
    // for the slot leaves the row empty. A row out of range is ignored.
    void Set(std::size_t row, std::string_view hexText) noexcept;
    void Clear(std::size_t row) noexcept;
    // Upper-case hex text; empty when nothing is stored.
    [[nodiscard]] std::string Get(std::size_t row) const;

private:
    struct FreeDeleter {
        void operator()(std::uint8_t* bytes) const noexcept { std::free(bytes); }
    };

    [[nodiscard]] std::uint8_t* Slot(std::size_t row) const noexcept { return m_slots.get() + row * (m_width + 1); }

    std::unique_ptr<std::uint8_t[], FreeDeleter> m_slots;
    std::size_t m_rows = 0;
    std::size_t m_width = 0;
};
