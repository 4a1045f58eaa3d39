#pragma once
// Starting a child process (platform/ only): shared by the starts of process.cpp and those that
// wait with the window system (process_watch.cpp).
#include <sys/types.h>

#include <string>
#include <vector>

namespace plat::detail {

// Spawns the program; 0 with its pid, or the errno of the failure. A given `error_fd` (>= 0)
// becomes the program's standard error.
int Spawn(const std::string& program, const std::vector<std::string>& args, const std::string& folder, pid_t* pid,
          int error_fd = -1);
// The exit code of a waited child's status: 128 + signal when killed.
int ExitCodeOf(int status);

}  // namespace plat::detail
