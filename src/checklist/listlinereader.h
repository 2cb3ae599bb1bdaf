#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>

// Room for any Linux path (4,096 bytes) with the longest digest (128 hex digits), the
// separators and some surrounding white space on one line; a longer line is cut, so
// memory stays bounded whatever the file holds.
inline constexpr std::size_t kListLineLimit = 4096 + 256;

// Reads the lines of a list file with its own grammar: a break is CR or LF, and a
// second break byte right after it belongs to the same break (CR LF, LF CR, CR CR and
// LF LF are one break each); a line holds at most `limit` bytes (the rest of a longer
// physical line becomes the next line, nothing skipped); end of file ends the last
// line and is noticed only when a read meets it, so a file ending in a two-byte break
// yields one more, empty, line and an empty file yields one empty line; a leading
// UTF-8 byte-order mark is skipped; a line's text ends at its first NUL.
//
// With LineBreaks::LfOnly a break is LF alone and a CR is part of the line, as b3sum
// reads its lists (it writes a CR in a name as it is).
//
// The stream is read byte by byte through its own buffer; the reader does not own it.
class ListLineReader {
public:
    enum class LineBreaks { CrOrLf, LfOnly };

    explicit ListLineReader(std::FILE* stream, std::size_t limit = kListLineLimit,
                            LineBreaks breaks = LineBreaks::CrOrLf);
    // Next line into `line`; false (and `line` empty) once end of file was met
    // before this call.
    bool ReadListLine(std::string& line);
    // True when a read failed for a reason other than end of file; the reader then
    // behaves as at end of file.
    [[nodiscard]] bool Failed() const noexcept { return m_failed; }

private:
    [[nodiscard]] int NextByte();
    void GiveBack(int byte) noexcept;
    void SkipByteOrderMark();

    std::FILE* m_stream;
    std::size_t m_limit;
    LineBreaks m_breaks;
    std::array<int, 3> m_givenBack{};  // bytes read ahead and given back, last in first out
    std::size_t m_givenBackCount = 0;
    bool m_streamEnded = false;  // the stream reported end of file or an error
    bool m_eofNoticed = false;   // a line read met the end of the stream
    bool m_failed = false;
    bool m_atStart = true;
};
