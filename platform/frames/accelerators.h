#pragma once
// Accelerator tables (Win32's ACCEL and TranslateAccelerator): keys that send
// a command. A frame translates its own table (and, in a multiple-document
// frame, the active child's first) before a key reaches its window; a command
// whose update handler disables it is not sent.
//
//   plat::AcceleratorTable keys({
//       {plat::FVIRTKEY | plat::FCONTROL, 'C', 57634},
//       {plat::FVIRTKEY | plat::FCONTROL, plat::VK_INSERT, 57634},
//       {plat::FVIRTKEY | plat::FSHIFT, plat::VK_INSERT, 57637},
//   });
#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/window/messages.h"

namespace plat {

inline constexpr unsigned FVIRTKEY = 0x01;  // `key` is a virtual-key code; else a character
inline constexpr unsigned FNOINVERT = 0x02;
inline constexpr unsigned FSHIFT = 0x04;
inline constexpr unsigned FCONTROL = 0x08;
inline constexpr unsigned FALT = 0x10;

struct ACCEL {
  unsigned fVirt = FVIRTKEY;
  unsigned key = 0;
  UINT cmd = 0;
};

class AcceleratorTable {
 public:
  AcceleratorTable() = default;
  AcceleratorTable(std::initializer_list<ACCEL> entries) : entries_(entries) {}  // NOLINT: a table is its entries
  explicit AcceleratorTable(std::vector<ACCEL> entries) : entries_(std::move(entries)) {}

  bool empty() const { return entries_.empty(); }
  const std::vector<ACCEL>& entries() const { return entries_; }

  // The command of a queued key message: WM_KEYDOWN / WM_SYSKEYDOWN for
  // virtual keys with exactly the modifier keys held now (Shift, Ctrl, Alt),
  // WM_CHAR / WM_SYSCHAR for characters; nullopt when none matches.
  std::optional<UINT> Find(const MSG& msg) const;

 private:
  std::vector<ACCEL> entries_;
};

}  // namespace plat
