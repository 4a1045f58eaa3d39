#include "platform/dc/image_memory.h"

#include <sys/mman.h>

#include <cstddef>
#include <cstdint>

namespace plat::detail {
namespace {

// Below this an image takes its memory as any other (the heap reuses freed memory).
constexpr std::size_t kMappedImageBytes = std::size_t{1} << 20;

struct Mapping {
  void* address;
  std::size_t bytes;
};

void Unmap(void* info) {
  const auto* mapping = static_cast<Mapping*>(info);
  ::munmap(mapping->address, mapping->bytes);
  delete mapping;
}

}  // namespace

QImage NewRgb32Image(int width, int height) {
  if (width <= 0 || height <= 0) return QImage();
  const std::size_t line = static_cast<std::size_t>(width) * 4;
  const std::size_t bytes = line * static_cast<std::size_t>(height);
  if (bytes < kMappedImageBytes || line > static_cast<std::size_t>(INT32_MAX)) {
    return QImage(width, height, QImage::Format_RGB32);
  }
  void* address = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
  if (address == MAP_FAILED) return QImage(width, height, QImage::Format_RGB32);
  auto* mapping = new Mapping{address, bytes};
  return QImage(static_cast<uchar*>(address), width, height, static_cast<qsizetype>(line), QImage::Format_RGB32,
                Unmap, mapping);
}

}  // namespace plat::detail
