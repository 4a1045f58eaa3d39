#pragma once
// Test windows that record what reaches them.
#include <string>
#include <vector>

#include "platform/window/input_state.h"
#include "platform/window/messages.h"
#include "platform/window/virtual_keys.h"
#include "platform/window/window.h"

namespace plat::test {

// A queued message as PreTranslateMessage saw it, with the modifier keys then.
struct Seen {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  friend bool operator==(const Seen&, const Seen&) = default;
};

inline std::ostream& operator<<(std::ostream& os, const Seen& s) {
  return os << "{0x" << std::hex << s.message << ", 0x" << s.wParam << ", 0x" << s.lParam << std::dec
            << (s.ctrl ? " ctrl" : "") << (s.shift ? " shift" : "") << (s.alt ? " alt" : "") << "}";
}

inline LPARAM Packed(int x, int y) { return static_cast<LPARAM>((x & 0xFFFF) | ((y & 0xFFFF) << 16)); }

// Records every queued message and every handler call.
class Recorder : public Window {
 public:
  bool PreTranslateMessage(MSG* msg) override {
    seen.push_back({msg->message, msg->wParam, msg->lParam, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0,
                    GetKeyState(VK_MENU) < 0});
    return false;
  }
  // Only the queued messages of these numbers (all when empty).
  std::vector<Seen> Only(std::initializer_list<UINT> messages) const {
    std::vector<Seen> out;
    for (const Seen& s : seen) {
      for (UINT m : messages) {
        if (s.message == m) out.push_back(s);
      }
    }
    return out;
  }

  std::vector<Seen> seen;
  std::vector<std::string> calls;

 protected:
  void Log(const std::string& s) { calls.push_back(s); }
  static std::string P(Point p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

  void OnLButtonDown(UINT f, Point p) override { Log("LDown " + std::to_string(f) + " " + P(p)); }
  void OnLButtonUp(UINT f, Point p) override { Log("LUp " + std::to_string(f) + " " + P(p)); }
  void OnLButtonDblClk(UINT f, Point p) override { Log("LDbl " + std::to_string(f) + " " + P(p)); }
  void OnRButtonDown(UINT f, Point p) override { Log("RDown " + std::to_string(f) + " " + P(p)); }
  void OnMButtonDown(UINT f, Point p) override { Log("MDown " + std::to_string(f) + " " + P(p)); }
  void OnXButtonDown(UINT f, UINT b, Point p) override {
    Log("XDown " + std::to_string(f) + " " + std::to_string(b) + " " + P(p));
  }
  void OnMouseMove(UINT f, Point p) override { Log("Move " + std::to_string(f) + " " + P(p)); }
  bool OnMouseWheel(UINT f, short d, Point p) override {
    Log("Wheel " + std::to_string(f) + " " + std::to_string(d) + " " + P(p));
    return true;
  }
  void OnKeyDown(UINT vk, UINT r, UINT f) override {
    Log("KeyDown " + std::to_string(vk) + " " + std::to_string(r) + " " + std::to_string(f));
  }
  void OnKeyUp(UINT vk, UINT r, UINT f) override {
    Log("KeyUp " + std::to_string(vk) + " " + std::to_string(r) + " " + std::to_string(f));
    Window::OnKeyUp(vk, r, f);  // the menu key raises the context menu
  }
  void OnSysKeyDown(UINT vk, UINT r, UINT f) override {
    Log("SysKeyDown " + std::to_string(vk) + " " + std::to_string(r) + " " + std::to_string(f));
  }
  void OnChar(UINT ch, UINT r, UINT f) override {
    Log("Char " + std::to_string(ch) + " " + std::to_string(r) + " " + std::to_string(f));
  }
  void OnSysChar(UINT ch, UINT r, UINT f) override {
    Log("SysChar " + std::to_string(ch) + " " + std::to_string(r) + " " + std::to_string(f));
  }
  void OnTimer(UINT_PTR id) override { Log("Timer " + std::to_string(id)); }
  void OnSize(UINT type, int cx, int cy) override {
    Log("Size " + std::to_string(type) + " " + std::to_string(cx) + " " + std::to_string(cy));
  }
  void OnContextMenu(Window* w, Point p) override { Log(std::string("Context ") + (w == this ? "self " : "other ") + P(p)); }
  void OnDropFiles(const std::vector<std::string>& files, Point p) override {
    std::string s = "Drop";
    for (const auto& f : files) s += " " + f;
    Log(s + " " + P(p));
  }
};

// A visible top-level window at (100, 100), 400 x 300.
inline Rect TopLevelRect() { return Rect{100, 100, 500, 400}; }

}  // namespace plat::test
