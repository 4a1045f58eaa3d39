#include "tests/e2e/captured_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace e2e {

CapturedRun RunCaptured(const std::string& name, const std::vector<std::string>& args, const std::string& messages,
                        double seconds, const std::vector<std::string>& unset) {
  CapturedRun run;
  const std::string program = plat::testing::BinFolder() + name;
  const std::string err_path = plat::testing::TestFolder() + "captured-stderr.txt";
  std::vector<std::string> argv_text = {program};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) return run;
  if (pid == 0) {
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (err >= 0) dup2(err, STDERR_FILENO);
    setpgid(0, 0);  // the program and its children, to be killed together
    setenv("PLAT_MESSAGES", messages.c_str(), 1);
    for (const std::string& variable : unset) unsetenv(variable.c_str());
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (std::chrono::steady_clock::now() > deadline) {
      run.timed_out = true;
      kill(-pid, SIGKILL);
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + run.signal;
  if (const auto bytes = plat::ReadWholeFile(err_path)) {
    run.stderr_text.assign(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  }
  return run;
}

}  // namespace e2e
