#pragma once
// Clock services; tests replace the time source with plat::testing::FakeClock.
#include <cstdint>
#include <string>

namespace plat {

// Seconds since 1970.
std::int64_t NowSeconds();
// Milliseconds of a steady clock (only differences are meaningful).
std::int64_t ElapsedMilliseconds();
// Local time of `seconds` formatted with strftime (e.g. "%d.%m.%Y").
std::string FormatLocalTime(std::int64_t seconds, const char* format);
// Today's local date as "dd.mm.yyyy".
std::string LocalDateText();

}  // namespace plat
