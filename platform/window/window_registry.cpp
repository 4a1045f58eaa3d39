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
  t.next += 0x10;
  HWND hwnd = reinterpret_cast<HWND>(t.next);
  t.entries[hwnd].window = window;
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
