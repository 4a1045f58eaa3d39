#pragma once
// The window system's side of the message boxes (platform/ only), set up with the application
// object: a box shown to a person (asked for from any thread), the system's beep. A program that
// starts no window system never links it: its boxes go to stderr with their default answers.
#include <string_view>

namespace plat::detail {

struct WindowBoxes {
  int (*show)(std::string_view text, std::string_view caption, unsigned flags);
  void (*beep)();
};
// Makes MessageBox and Beep use the window system (message_box_window.cpp).
void InstallWindowBoxes();
// What InstallWindowBoxes sets; nullptr goes back to no window system.
void SetWindowBoxes(const WindowBoxes* boxes);

}  // namespace plat::detail
