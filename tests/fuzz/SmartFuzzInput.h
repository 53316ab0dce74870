#pragma once
// Cuts a fuzz input into pieces, each copied into its own exactly-sized
// buffer so the sanitizer sees any read past a piece's end.
#include <cstddef>
#include <cstdint>
#include <vector>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }

    // A piece whose length (0..maxLength) comes from the next two bytes.
    std::vector<uint8_t> Piece(size_t maxLength) {
        size_t length = (size_t{Byte()} << 8 | Byte()) % (maxLength + 1);
        if (length > size_ - pos_) length = size_ - pos_;
        std::vector<uint8_t> piece(data_ + pos_, data_ + pos_ + length);
        pos_ += length;
        return piece;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};
