#include "platform/process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <thread>

#include "platform/hooks.h"
#include "platform/process_spawn.h"

extern char** environ;

namespace plat {
namespace {

// Reaps the child when it ends so that it leaves no zombie behind.
void ReapLater(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

// The desktop's opener of documents and folders, and how long a caller waits for its verdict.
constexpr const char* kOpener = "xdg-open";
constexpr int kOpenerWaitSeconds = 3;

}  // namespace

namespace detail {

int Spawn(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
          pid_t* pid, int error_fd) {
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
  if (error_fd >= 0) posix_spawn_file_actions_adddup2(&actions, error_fd, STDERR_FILENO);
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

}  // namespace detail

common::Result StartDetached(const std::string& program, const std::vector<std::string>& args,
                             const std::string& folder) {
  if (auto* h = hooks::process) {
    int code = 0;
    return h->handle({hooks::ProcessCall::Kind::kStartDetached, program, args, folder}, &code);
  }
  pid_t pid = 0;
  int rc = detail::Spawn(program, args, folder, &pid);
  if (rc != 0) return common::Result::Fail(std::strerror(rc), program);
  ReapLater(pid);
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
  int rc = detail::Spawn(program, args, folder, &pid);
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
  return detail::ExitCodeOf(status);
}

common::Result OpenDocument(const std::string& path) {
  if (auto* h = hooks::process) {
    int code = 0;
    return h->handle({hooks::ProcessCall::Kind::kOpenDocument, path, {}, {}}, &code);
  }
  pid_t pid = 0;
  if (const int rc = detail::Spawn(kOpener, {path}, {}, &pid); rc != 0) {
    return common::Result::Fail(std::string(kOpener) + " could not be started to open " + path + ": " +
                                    std::strerror(rc) + " (" + kOpener + " comes with the package xdg-utils).",
                                path);
  }
  // xdg-open ends once the viewer runs, or with its failure; one that opens the
  // document in the foreground is left to it, so that the caller never hangs.
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(kOpenerWaitSeconds);
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) break;
    if (done < 0 && errno != EINTR) return common::Result::Ok();
    if (std::chrono::steady_clock::now() >= give_up) {
      ReapLater(pid);
      return common::Result::Ok();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  const int code = detail::ExitCodeOf(status);
  if (code == 0) return common::Result::Ok();
  return common::Result::Fail(std::string(kOpener) + " could not open " + path + " (exit code " +
                                  std::to_string(code) + "): no program that opens it was found.",
                              path);
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
