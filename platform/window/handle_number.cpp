#include "platform/window/handle_number.h"

#include "platform/window/window_registry.h"

namespace plat {

std::int32_t HandleToLong(HWND hwnd) { return static_cast<std::int32_t>(detail::HandleNumber(hwnd)); }

HWND LongToHandle(std::int32_t number) {
  if (number == 0) return nullptr;
  return detail::LiveHandleOfNumber(static_cast<std::uint32_t>(number));
}

}  // namespace plat
