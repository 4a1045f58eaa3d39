#pragma once
// A 1-based table of fixed-size records with a fixed capacity: slot 0 exists
// and is never filled, slots 1..count hold the records.
#include <cstddef>
#include <span>
#include <stdexcept>
#include <type_traits>
#include <vector>

namespace common {

template <class R, int Capacity>
class Table {
  static_assert(Capacity > 0);
  static_assert(std::is_trivially_copyable_v<R> && std::is_standard_layout_v<R>);
  static_assert(sizeof(R) == R::kSize, "a record is exactly its byte image");

 public:
  using Record = R;
  static constexpr int kCapacity = Capacity;

  Table() : slots_(Capacity + 1) {}

  int count() const { return count_; }
  bool empty() const { return count_ == 0; }
  bool full() const { return count_ == Capacity; }

  // Slot k, 0..Capacity; std::out_of_range for any other k.
  R& operator[](int k) { return slots_.at(Check(k)); }
  const R& operator[](int k) const { return slots_.at(Check(k)); }

  // Sets the count; false (and nothing changes) outside 0..Capacity.
  bool SetCount(int n) {
    if (n < 0 || n > Capacity) return false;
    count_ = n;
    return true;
  }
  // Puts the record into slot count + 1; false when the table is full.
  bool Append(const R& record) {
    if (full()) return false;
    slots_[++count_] = record;
    return true;
  }
  // Removes slot k (1..count); the later records move up. False for another k.
  bool Erase(int k) {
    if (k < 1 || k > count_) return false;
    for (int i = k; i < count_; ++i) slots_[i] = slots_[i + 1];
    slots_[count_--] = R{};
    return true;
  }
  // Count 0 and every slot zero.
  void Clear() {
    for (R& r : slots_) r = R{};
    count_ = 0;
  }

  // Slots 1..count.
  std::span<R> used() { return std::span<R>(slots_).subspan(1, count_); }
  std::span<const R> used() const { return std::span<const R>(slots_).subspan(1, count_); }
  // The byte images of slots 1..count, back to back as in a file.
  std::span<const std::byte> used_bytes() const { return std::as_bytes(used()); }

 private:
  static std::size_t Check(int k) {
    if (k < 0 || k > Capacity) throw std::out_of_range("table slot out of range");
    return static_cast<std::size_t>(k);
  }

  std::vector<R> slots_;
  int count_ = 0;
};

}  // namespace common
