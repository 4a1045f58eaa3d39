#include "platform/window/window_registry.h"

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace plat::detail {
namespace {

struct Entry {
  Window* window = nullptr;
  std::vector<std::weak_ptr<Completion>> waiting_sends;
};

struct Table {
  std::mutex mutex;
  std::unordered_map<HWND, Entry> entries;
  std::unordered_map<std::uint32_t, HWND> by_number;  // HandleNumber of each live window
  std::uintptr_t next = 0x10000;
};

Table& TheTable() {
  static Table* table = new Table;  // lives to the process end: workers may post late
  return *table;
}

}  // namespace

HWND RegisterWindow(Window* window) {
  Table& t = TheTable();
  std::lock_guard<std::mutex> lock(t.mutex);
  // Handles are never reused; their 32-bit numbers are unique among the live windows.
  do {
    t.next += 0x10;
  } while (static_cast<std::uint32_t>(t.next) == 0 || t.by_number.contains(static_cast<std::uint32_t>(t.next)));
  HWND hwnd = reinterpret_cast<HWND>(t.next);
  t.entries[hwnd].window = window;
  t.by_number[HandleNumber(hwnd)] = hwnd;
  return hwnd;
}

void UnregisterWindow(HWND hwnd) {
  std::vector<std::weak_ptr<Completion>> waiting;
  {
    Table& t = TheTable();
    std::lock_guard<std::mutex> lock(t.mutex);
    auto it = t.entries.find(hwnd);
    if (it == t.entries.end()) return;
    waiting = std::move(it->second.waiting_sends);
    t.entries.erase(it);
    t.by_number.erase(HandleNumber(hwnd));
  }
  for (auto& w : waiting) {
    if (auto c = w.lock()) c->Abandon();
  }
}

Window* LookupWindow(HWND hwnd) {
  if (!hwnd) return nullptr;
  Table& t = TheTable();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.entries.find(hwnd);
  return it == t.entries.end() ? nullptr : it->second.window;
}

std::vector<HWND> LiveHandles() {
  Table& t = TheTable();
  std::vector<HWND> handles;
  {
    std::lock_guard<std::mutex> lock(t.mutex);
    handles.reserve(t.entries.size());
    for (const auto& [hwnd, entry] : t.entries) handles.push_back(hwnd);
  }
  std::sort(handles.begin(), handles.end(), [](HWND a, HWND b) {
    return reinterpret_cast<std::uintptr_t>(a) < reinterpret_cast<std::uintptr_t>(b);
  });
  return handles;
}

HWND LiveHandleOfNumber(std::uint32_t number) {
  Table& t = TheTable();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.by_number.find(number);
  return it == t.by_number.end() ? nullptr : it->second;
}

bool AddWaitingSend(HWND hwnd, const std::shared_ptr<Completion>& completion) {
  Table& t = TheTable();
  std::lock_guard<std::mutex> lock(t.mutex);
  auto it = t.entries.find(hwnd);
  if (it == t.entries.end()) return false;
  auto& list = it->second.waiting_sends;
  list.erase(std::remove_if(list.begin(), list.end(),
                            [](const std::weak_ptr<Completion>& w) {
                              auto c = w.lock();
                              return !c || c->finished();
                            }),
             list.end());
  list.push_back(completion);
  return true;
}

}  // namespace plat::detail
