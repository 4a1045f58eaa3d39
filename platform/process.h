#pragma once
// Starting programs. Arguments are passed separately, never through a shell.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace plat {

class Window;

// Starts a program without waiting for it. On failure the result carries the
// system's error text. An empty folder keeps the current folder.
common::Result StartDetached(const std::string& program, const std::vector<std::string>& args,
                             const std::string& folder = {});
// How a watched program ended: its exit code (128 + signal when killed) and
// what it wrote to its standard error (the last 4 KiB of it).
struct ProgramEnd {
  int code = 0;
  std::string errors;
};
// Starts a program without waiting and watches it: when it ends, `ended` runs
// on the user-interface thread. What the program writes to its standard error
// also goes on to ours. On a failed start the result carries the system's
// error text and `ended` never runs.
common::Result StartWatched(const std::string& program, const std::vector<std::string>& args,
                            std::function<void(const ProgramEnd&)> ended);
// Starts a program and waits for it; its exit code (128 + signal when killed),
// or nullopt with the system's error text in *error when it cannot start.
std::optional<int> RunAndWait(const std::string& program, const std::vector<std::string>& args,
                              const std::string& folder = {}, std::string* error = nullptr);
// Starts a program and waits for it while the program stays alive: `owner`
// (may be null) is disabled, paints and posted messages are handled until
// the child ends, then the owner is enabled again. A running script waits
// meanwhile. Answers as RunAndWait does.
std::optional<int> RunAndWaitPainted(Window* owner, const std::string& program,
                                     const std::vector<std::string>& args, const std::string& folder = {},
                                     std::string* error = nullptr);
// Opens a document or folder with the desktop's association.
common::Result OpenDocument(const std::string& path);

// The folder of the running executable, ending with "/".
std::string ProgramFolder();
// The sibling executable of the suite for a name such as "ZEDIR.EXE" or "ZEDIR":
// the program folder and the name without ".EXE" (any case).
std::string SiblingProgram(std::string_view name);

}  // namespace plat
