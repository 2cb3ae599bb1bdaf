#pragma once

#include <string>
#include <vector>

// MD5 digests every implementation must give: the RFC 1321 test suite, the padding
// boundaries and a digest with zero, low and high bytes.
struct KnownDigest {
    const char* name;
    std::string input;
    const char* digest;
};

inline const std::vector<KnownDigest>& Md5KnownDigests()
{
    static const std::vector<KnownDigest> kCases = {
        // RFC 1321, appendix A.5 (test suite).
        {"rfc empty", "", "D41D8CD98F00B204E9800998ECF8427E"},
        {"rfc a", "a", "0CC175B9C0F1B6A831C399E269772661"},
        {"rfc abc", "abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"rfc message digest", "message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"rfc alphabet", "abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"rfc alphanumerics", "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "D174AB98D277D9F5A5611C2C9F419D9F"},
        {"rfc digits x8", "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
        // Padding boundaries: n letters 'a' (digests as printed by GNU coreutils md5sum).
        {"55 bytes: length fits after the pad byte", std::string(55, 'a'), "EF1772B6DFF9A122358552954AD0DF65"},
        {"56 bytes: padding spills into a new block", std::string(56, 'a'), "3B0C8AC703F828B04C6C197006D17218"},
        {"63 bytes", std::string(63, 'a'), "B06521F39153D618550606BE297466D5"},
        {"64 bytes: one whole block", std::string(64, 'a'), "014842D480B571495A4A0363793F7367"},
        {"65 bytes", std::string(65, 'a'), "C743A45E0D2E6A95CB859ADAE0248435"},
        // Digest bytes 0x00, 0x0A and 0xAB render as 00, 0A and AB (md5sum).
        {"zero, low and high bytes", "digest-9972", "E504E7A70F28B4008DAB2E520A1DD315"},
    };
    return kCases;
}
