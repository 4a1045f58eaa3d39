#include "platform/hooks.h"

namespace plat::hooks {

ClockState* clock = nullptr;
ProcessHandler* process = nullptr;
MessageBoxHandler* message_box = nullptr;
DialogHandler* dialogs = nullptr;
std::function<void(int)>* exit_hook = nullptr;
std::function<void(int)>* quit_hook = nullptr;
std::atomic<int> beeps{0};
std::atomic<int> failing_text_reads{0};

}  // namespace plat::hooks
