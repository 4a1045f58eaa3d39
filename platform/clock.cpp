#include "platform/clock.h"

#include <chrono>
#include <ctime>

#include "platform/hooks.h"

namespace plat {

std::int64_t NowSeconds() {
  if (auto* clock = hooks::clock) return clock->now_seconds;
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::int64_t ElapsedMilliseconds() {
  if (auto* clock = hooks::clock) return clock->elapsed_ms;
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::string FormatLocalTime(std::int64_t seconds, const char* format) {
  std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  localtime_r(&t, &local);
  char buffer[256];
  std::size_t n = std::strftime(buffer, sizeof buffer, format, &local);
  return std::string(buffer, n);
}

std::string LocalDateText() { return FormatLocalTime(NowSeconds(), "%d.%m.%Y"); }

}  // namespace plat
