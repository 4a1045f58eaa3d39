#include "platform/text_block.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace plat {

TextBlock::~TextBlock() { std::free(data_); }

TextBlock::TextBlock(TextBlock&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

TextBlock& TextBlock::operator=(TextBlock&& other) noexcept {
  if (this != &other) {
    std::free(data_);
    data_ = std::exchange(other.data_, nullptr);
    size_ = std::exchange(other.size_, 0);
    capacity_ = std::exchange(other.capacity_, 0);
  }
  return *this;
}

char* TextBlock::Room(std::size_t bytes) {
  if (capacity_ - size_ < bytes) {
    // Grown by realloc: a block of megabytes moves by remapping its pages, not by copying them.
    const std::size_t capacity = std::max(size_ + bytes, capacity_ + capacity_ / 2);
    void* grown = std::realloc(data_, capacity);
    if (!grown) throw std::bad_alloc();
    data_ = static_cast<char*>(grown);
    capacity_ = capacity;
  }
  return data_ + size_;
}

void TextBlock::Append(std::string_view text) {
  // At most one CR more per line feed.
  char* p = Room(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  bool last_was_cr = size_ > 0 && data_[size_ - 1] == '\r';
  for (char c : text) {
    if (c == '\n' && !last_was_cr) *p++ = '\r';
    *p++ = c;
    last_was_cr = c == '\r';
  }
  Commit(p);
}

bool TextBlock::WriteTo(const std::string& path) const {
  std::int64_t old_size = 0;
  const int fd = detail::OpenToWriteOver(path, old_size);
  if (fd < 0) return false;
  // A switched fault fails the write after the bytes went, as the text writer's does.
  const bool fault = detail::WriteFailsNow();
  return detail::FinishWriteOver(fd, path, old_size, data_ ? data_ : "", size_) && !fault;
}

}  // namespace plat
