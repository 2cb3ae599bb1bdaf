#include "entrytraits.h"

#include "listpaths.h"

DigestAlgorithm KindAlgorithm(ListKind kind) noexcept
{
    switch (kind) {
    case ListKind::Md5: return DigestAlgorithm::Md5;
    case ListKind::Sha1: return DigestAlgorithm::Sha1;
    case ListKind::Sha256: return DigestAlgorithm::Sha256;
    case ListKind::Sha512: return DigestAlgorithm::Sha512;
    case ListKind::Blake2b: return DigestAlgorithm::Blake2b;
    case ListKind::Blake3: return DigestAlgorithm::Blake3;
    case ListKind::Sha3_256: return DigestAlgorithm::Sha3_256;
    case ListKind::Sha3_512: return DigestAlgorithm::Sha3_512;
    case ListKind::None:
    case ListKind::Sfv: break;
    }
    return DigestAlgorithm::Crc32;
}

ListKind KindOfAlgorithm(DigestAlgorithm algorithm) noexcept
{
    switch (algorithm) {
    case DigestAlgorithm::Md5: return ListKind::Md5;
    case DigestAlgorithm::Sha1: return ListKind::Sha1;
    case DigestAlgorithm::Sha256: return ListKind::Sha256;
    case DigestAlgorithm::Sha512: return ListKind::Sha512;
    case DigestAlgorithm::Blake2b: return ListKind::Blake2b;
    case DigestAlgorithm::Blake3: return ListKind::Blake3;
    case DigestAlgorithm::Sha3_256: return ListKind::Sha3_256;
    case DigestAlgorithm::Sha3_512: return ListKind::Sha3_512;
    case DigestAlgorithm::Crc32: break;
    }
    return ListKind::None;
}

std::string ResolveRowPath(const std::string& baseFolder, std::string_view name, std::uint8_t traits)
{
    if (entrytraits::IsExactName(traits)) {
        std::string path;
        path.reserve(baseFolder.size() + name.size());
        return path.append(baseFolder).append(name);
    }
    return ResolveEntryPath(baseFolder, std::string(name));
}
