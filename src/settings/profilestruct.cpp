#include "profilestruct.h"

#include "hextext.h"

namespace {

// The byte spelled by the two digits at `offset`, or -1.
int ReadHexByte(std::string_view text, std::size_t offset)
{
    return HexByteValue(text[offset], text[offset + 1]);
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
