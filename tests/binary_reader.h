#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace dicewright::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

// Little-endian fields at a cursor, with bounds checks so a malformed file fails the test
// instead of reading past its end.
class Reader {
public:
    Reader(const Bytes& bytes, std::size_t begin = 0, std::size_t end = SIZE_MAX)
        : m_bytes(&bytes), m_at(begin), m_end(end == SIZE_MAX ? bytes.size() : end) {}

    std::uint8_t u8() { return (*m_bytes)[need(1)]; }
    std::uint16_t u16() {
        const std::size_t at = need(2);
        return static_cast<std::uint16_t>((*m_bytes)[at] | (*m_bytes)[at + 1] << 8);
    }
    std::uint32_t u32() {
        const std::uint32_t low = u16();
        return low | static_cast<std::uint32_t>(u16()) << 16;
    }
    // A NUL-terminated UTF-16 string of ASCII characters.
    std::string wideString() {
        std::string text;
        for (std::uint16_t c = u16(); c != 0; c = u16()) text.push_back(static_cast<char>(c));
        return text;
    }
    void alignTo4(std::size_t origin = 0) {
        m_at = origin + ((m_at - origin + 3) & ~std::size_t{3});
    }
    void skip(std::size_t count) { need(count); }
    void seek(std::size_t position) {
        if (position > m_end) throw std::out_of_range("seek past the end of the data");
        m_at = position;
    }
    std::size_t position() const { return m_at; }
    bool atEnd() const { return m_at >= m_end; }

private:
    std::size_t need(std::size_t count) {
        if (m_at + count > m_end) throw std::out_of_range("read past the end of the data");
        const std::size_t at = m_at;
        m_at += count;
        return at;
    }

    const Bytes* m_bytes;
    std::size_t m_at;
    std::size_t m_end;
};

}  // namespace dicewright::testing
