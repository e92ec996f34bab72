#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lotavo {

// SHA-256 (FIPS 180-4), for the fingerprints of the draw record: the list files a draw used
// and the chain over the record's lines. Fed in pieces of any size.
class Sha256 {
public:
    Sha256();
    void update(std::string_view bytes);
    std::array<uint8_t, 32> digest();  // ends the computation
    std::string hexDigest();

    static std::string hex(std::string_view bytes);

private:
    void block(const uint8_t* p);

    std::array<uint32_t, 8> m_h;
    std::array<uint8_t, 64> m_buffer {};
    size_t m_buffered = 0;
    uint64_t m_length = 0;
};

// The SHA-256 of a file's bytes in hex; empty when it cannot be read.
std::string sha256OfFile(const std::string& path);

}  // namespace lotavo
