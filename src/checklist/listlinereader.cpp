#include "listlinereader.h"

#include <algorithm>

namespace {

bool IsBreakByte(int byte) noexcept
{
    return byte == '\r' || byte == '\n';
}

}  // namespace

ListLineReader::ListLineReader(std::FILE* stream, std::size_t limit, LineBreaks breaks)
    : m_stream(stream), m_limit(std::max<std::size_t>(limit, 1)), m_breaks(breaks)
{
}

int ListLineReader::NextByte()
{
    if (m_givenBackCount != 0) {
        return m_givenBack[--m_givenBackCount];
    }
    if (m_streamEnded) {
        return EOF;
    }
    const int byte = getc_unlocked(m_stream);
    if (byte == EOF) {
        m_streamEnded = true;
        m_failed = std::ferror(m_stream) != 0;
    }
    return byte;
}

void ListLineReader::GiveBack(int byte) noexcept
{
    if (byte != EOF && m_givenBackCount < m_givenBack.size()) {
        m_givenBack[m_givenBackCount++] = byte;
    }
}

// Lists saved by editors that mark UTF-8 files start with EF BB BF; those bytes are
// not part of the first entry's name.
void ListLineReader::SkipByteOrderMark()
{
    static constexpr std::array<int, 3> kMark{0xEF, 0xBB, 0xBF};
    std::array<int, 3> read{};
    std::size_t count = 0;
    while (count < kMark.size()) {
        const int byte = NextByte();
        if (byte == EOF) {
            break;
        }
        read[count++] = byte;
        if (byte != kMark[count - 1]) {
            break;
        }
    }
    if (count == kMark.size() && read[2] == kMark[2]) {
        return;
    }
    while (count != 0) {
        GiveBack(read[--count]);
    }
}

bool ListLineReader::ReadListLine(std::string& line)
{
    line.clear();
    if (m_eofNoticed) {
        return false;
    }
    if (m_atStart) {
        m_atStart = false;
        SkipByteOrderMark();
    }

    std::size_t stored = 0;
    bool textEnded = false;  // a NUL ended the text; later bytes still count as stored
    while (stored < m_limit) {
        const int byte = NextByte();
        if (byte == EOF) {
            m_eofNoticed = true;
            break;
        }
        if (m_breaks == LineBreaks::LfOnly && byte == '\n') {
            break;
        }
        if (m_breaks == LineBreaks::CrOrLf && IsBreakByte(byte)) {
            const int next = NextByte();
            if (next == EOF) {
                m_eofNoticed = true;
            } else if (!IsBreakByte(next)) {
                GiveBack(next);
            }
            break;
        }
        ++stored;
        if (byte == 0) {
            textEnded = true;
        }
        if (!textEnded) {
            line.push_back(static_cast<char>(byte));
        }
    }
    return true;
}
