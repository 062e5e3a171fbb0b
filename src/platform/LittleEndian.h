#pragma once

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

namespace tp {

// Integers and floats of the binary data files: little-endian whatever the machine.

inline void appendUint32(std::string& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

inline void appendInt32(std::string& bytes, std::int32_t value) {
    appendUint32(bytes, static_cast<std::uint32_t>(value));
}

inline void appendFloat32(std::string& bytes, float value) {
    appendUint32(bytes, std::bit_cast<std::uint32_t>(value));
}

// The four bytes at `offset`; the caller has checked that they are there.
inline std::uint32_t uint32At(std::string_view bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value =
            (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    return value;
}

inline std::int32_t int32At(std::string_view bytes, std::size_t offset) {
    return static_cast<std::int32_t>(uint32At(bytes, offset));
}

inline float float32At(std::string_view bytes, std::size_t offset) {
    return std::bit_cast<float>(uint32At(bytes, offset));
}

} // namespace tp
