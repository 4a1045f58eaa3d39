#include "platform/process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <thread>

#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>

#include "platform/hooks.h"
#include "platform/script/script_run.h"
#include "platform/window/window.h"

extern char** environ;

namespace plat {
namespace {

// Spawns the program; the pid, or the errno of the failure.
int Spawn(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
          pid_t* pid) {
  std::vector<std::string> owned;
  owned.reserve(args.size() + 1);
  owned.push_back(program);
  owned.insert(owned.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : owned) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  int rc = program.find('/') == std::string::npos
               ? posix_spawnp(pid, program.c_str(), &actions, nullptr, argv.data(), environ)
               : posix_spawn(pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return rc;
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

}  // namespace

common::Result StartDetached(const std::string& program, const std::vector<std::string>& args,
                             const std::string& folder) {
  if (auto* h = hooks::process) {
    int code = 0;
    return h->handle({hooks::ProcessCall::Kind::kStartDetached, program, args, folder}, &code);
  }
  pid_t pid = 0;
  int rc = Spawn(program, args, folder, &pid);
  if (rc != 0) return common::Result::Fail(std::strerror(rc), program);
  // Reap the child when it ends so that it leaves no zombie behind.
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
  return common::Result::Ok();
}

std::optional<int> RunAndWait(const std::string& program, const std::vector<std::string>& args,
                              const std::string& folder, std::string* error) {
  if (auto* h = hooks::process) {
    int code = 0;
    common::Result r = h->handle({hooks::ProcessCall::Kind::kRunAndWait, program, args, folder}, &code);
    if (!r.ok()) {
      if (error) *error = r.text();
      return std::nullopt;
    }
    return code;
  }
  pid_t pid = 0;
  int rc = Spawn(program, args, folder, &pid);
  if (rc != 0) {
    if (error) *error = std::strerror(rc);
    return std::nullopt;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      if (error) *error = std::strerror(errno);
      return std::nullopt;
    }
  }
  return ExitCodeOf(status);
}

std::optional<int> RunAndWaitPainted(Window* owner, const std::string& program,
                                     const std::vector<std::string>& args, const std::string& folder,
                                     std::string* error) {
  ScriptPauseScope pause;
  if (hooks::process) return RunAndWait(program, args, folder, error);
  pid_t pid = 0;
  int rc = Spawn(program, args, folder, &pid);
  if (rc != 0) {
    if (error) *error = std::strerror(rc);
    return std::nullopt;
  }
  // The owner takes no input while the child runs, but still paints.
  bool reenable = owner && owner->GetSafeHwnd() && owner->IsWindowEnabled();
  if (reenable) owner->EnableWindow(false);
  std::optional<int> code;
  for (;;) {
    int status = 0;
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      code = ExitCodeOf(status);
      break;
    }
    if (done < 0 && errno != EINTR) {
      if (error) *error = std::strerror(errno);
      break;
    }
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (reenable && owner->GetSafeHwnd()) owner->EnableWindow(true);
  return code;
}

common::Result OpenDocument(const std::string& path) {
  if (auto* h = hooks::process) {
    int code = 0;
    return h->handle({hooks::ProcessCall::Kind::kOpenDocument, path, {}, {}}, &code);
  }
  std::string error;
  auto code = RunAndWait("xdg-open", {path}, {}, &error);
  if (!code) return common::Result::Fail(error, path);
  if (*code != 0) return common::Result::Fail("No application is associated with this file.", path);
  return common::Result::Ok();
}

std::string ProgramFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "./";
  std::string folder = exe.parent_path().string();
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string SiblingProgram(std::string_view name) {
  std::string base(name);
  if (base.size() > 4) {
    std::string tail = base.substr(base.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (tail == ".EXE") base.resize(base.size() - 4);
  }
  return ProgramFolder() + base;
}

}  // namespace plat
