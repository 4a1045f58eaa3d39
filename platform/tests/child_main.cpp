// Test child: "exit N" ends with code N; "sleep MS N" after MS ms; "box CAPTION TEXT" shows a message box
// in a real application object, then ends with its answer.
#include <chrono>
#include <cstdlib>
#include <thread>
#include <string>

#include "platform/application.h"
#include "platform/message_box.h"

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "exit") return std::atoi(argv[2]);
  if (argc >= 4 && std::string(argv[1]) == "sleep") {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
    return std::atoi(argv[3]);
  }
  if (argc >= 4 && std::string(argv[1]) == "box") {
    plat::Application app(argc, argv);
    return plat::MessageBox(argv[3], argv[2], plat::MB_YESNO);
  }
  return 100;
}
