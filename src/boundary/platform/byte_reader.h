// Bounds-checked little-endian reading of a picture file's bytes: a read past
// the end throws std::runtime_error("<format>: truncated <what>"), so no
// decoder ever reads outside its input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace ql {

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size, const char* format)
        : data_(data), size_(size), format_(format) {}

    std::size_t pos() const { return pos_; }
    std::size_t left() const { return size_ - pos_; }
    bool atEnd() const { return pos_ == size_; }

    void need(std::size_t n, const char* what) const {
        if (n > left()) throw std::runtime_error(std::string(format_) + ": truncated " + what);
    }
    std::uint8_t u8(const char* what) {
        need(1, what);
        return data_[pos_++];
    }
    std::uint16_t u16(const char* what) {
        need(2, what);
        const auto v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    std::uint32_t u32(const char* what) {
        const std::uint32_t lo = u16(what);
        return lo | (std::uint32_t{u16(what)} << 16);
    }
    const std::uint8_t* take(std::size_t n, const char* what) {
        need(n, what);
        const std::uint8_t* p = data_ + pos_;
        pos_ += n;
        return p;
    }
    std::string text(std::size_t n, const char* what) {
        const std::uint8_t* p = take(n, what);
        return {reinterpret_cast<const char*>(p), n};
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    const char* format_;
    std::size_t pos_ = 0;
};

}  // namespace ql
