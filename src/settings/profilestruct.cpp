#include "profilestruct.h"

#include "hextext.h"

namespace {

int HexValue(char digit)
{
    if (digit >= '0' && digit <= '9') {
        return digit - '0';
    }
    if (digit >= 'A' && digit <= 'F') {
        return digit - 'A' + 10;
    }
    if (digit >= 'a' && digit <= 'f') {
        return digit - 'a' + 10;
    }
    return -1;
}

// The byte spelled by the two digits at `offset`, or -1.
int ReadHexByte(std::string_view text, std::size_t offset)
{
    const int high = HexValue(text[offset]);
    const int low = HexValue(text[offset + 1]);
    return (high < 0 || low < 0) ? -1 : high * 16 + low;
}

} // namespace

std::string EncodeProfileStruct(std::span<const std::uint8_t> bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2 + 2);
    unsigned sum = 0;
    for (const std::uint8_t byte : bytes) {
        AppendHexByte(text, byte);
        sum += byte;
    }
    AppendHexByte(text, static_cast<std::uint8_t>(sum & 0xFFu));
    return text;
}

std::optional<std::vector<std::uint8_t>> DecodeProfileStruct(std::string_view text, std::size_t size)
{
    if (text.size() != size * 2 + 2) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(size);
    unsigned sum = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const int byte = ReadHexByte(text, i * 2);
        if (byte < 0) {
            return std::nullopt;
        }
        bytes[i] = static_cast<std::uint8_t>(byte);
        sum += bytes[i];
    }
    const int checksum = ReadHexByte(text, size * 2);
    if (checksum < 0 || static_cast<unsigned>(checksum) != (sum & 0xFFu)) {
        return std::nullopt;
    }
    return bytes;
}
