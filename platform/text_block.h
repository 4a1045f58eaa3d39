#pragma once
// A text file of many lines made in one buffer and written in one piece (a listing of
// megabytes): its writer formats straight into room at the buffer's end, line ends written as
// CR LF by the writer itself, so that no byte is copied before the one write.
#include <cstddef>
#include <string>
#include <string_view>

namespace plat {

class TextBlock {
 public:
  TextBlock() = default;
  ~TextBlock();
  TextBlock(const TextBlock&) = delete;
  TextBlock& operator=(const TextBlock&) = delete;
  TextBlock(TextBlock&& other) noexcept;
  TextBlock& operator=(TextBlock&& other) noexcept;

  // Room for at least `bytes` more characters at the end; where to write them. The room stays
  // until the next call that adds to the block.
  char* Room(std::size_t bytes);
  // The characters up to `end` (within the room) belong to the text now.
  void Commit(const char* end) { size_ = static_cast<std::size_t>(end - data_); }
  // Appends text as the text writer does, every "\n" as CR LF.
  void Append(std::string_view text);
  // Empties the block, keeping its memory for the next text.
  void Clear() { size_ = 0; }

  std::string_view text() const { return {data_, size_}; }
  // Writes the text over `path` as the text writer's kReplace does: opened first (a file that
  // cannot be opened is left as it is), written in one write, removed when it cannot be written
  // whole.
  bool WriteTo(const std::string& path) const;

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace plat
