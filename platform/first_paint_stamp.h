#pragma once
// The time stamp of a program's first paint, for the benchmarks that time a start on a real X
// server: with PLAT_FIRST_PAINT=<file> a program writes one line to that file when its first paint
// has ended, "<seconds>.<nanoseconds> <width> <height>": the monotonic clock (the same for every
// process of the machine) and the size of the painted window. A file that exists already is left
// alone, so that of programs started by one another only the first paint counts.
// Header only and without Qt: the bare Qt window of the benchmarks writes the same line.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <optional>

namespace plat {

inline constexpr const char* kFirstPaintVariable = "PLAT_FIRST_PAINT";

struct FirstPaintStamp {
  double seconds = 0.0;  // CLOCK_MONOTONIC
  int width = 0;
  int height = 0;
};

inline double MonotonicSeconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Writes the line with the time of now into a new file; true also when the file exists (an
// earlier paint counts), false when it cannot be written.
inline bool WriteFirstPaintStamp(const char* path, int width, int height) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  char line[96];
  const int length = std::snprintf(line, sizeof line, "%lld.%09ld %d %d\n", static_cast<long long>(now.tv_sec),
                                   static_cast<long>(now.tv_nsec), width, height);
  const int fd = open(path, O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) return errno == EEXIST;
  const bool written = length > 0 && write(fd, line, static_cast<std::size_t>(length)) == length;
  return close(fd) == 0 && written;
}

// The stamp in the file, nullopt while there is none (or not a whole one).
inline std::optional<FirstPaintStamp> ReadFirstPaintStamp(const char* path) {
  std::FILE* file = std::fopen(path, "r");
  if (!file) return std::nullopt;
  FirstPaintStamp stamp;
  char end = 0;
  const int read = std::fscanf(file, "%lf %d %d%c", &stamp.seconds, &stamp.width, &stamp.height, &end);
  std::fclose(file);
  if (read != 4 || end != '\n') return std::nullopt;
  return stamp;
}

}  // namespace plat
