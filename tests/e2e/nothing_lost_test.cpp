// Nothing lost, no failure reported as success: an echo text without a load case, files that
// cannot be stored, a full disk, and Store and the load rebuild killed at random moments.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"
#include "tests/e2e/e2e_positions.h"

extern char** environ;

namespace {

using e2e::ComputedExample;
using e2e::ComputePosition;
using e2e::ReadBytes;

// The text with every CR LF as a lone LF: the same echo text as its readers see it, other bytes.
std::string LfOnly(std::string text) {
  for (std::size_t k; (k = text.find("\r\n")) != std::string::npos;) text.erase(k, 1);
  return text;
}

void Write(const std::string& path, const std::string& bytes) {
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size())) << path;
}

// The files that a failed Store removes, as they belong to another model then.
std::set<std::string> InverseFiles(const common::Position& position) {
  return {"INVERSE" + position.ext(), "FLEXDIA" + position.ext(), "FLEXMAX" + position.ext()};
}

TEST(ComputePositionProgram, EchoTextWithoutALoadCaseStopsTheRoadAndStays) {
  const common::Position position = ComputedExample("BEAM2");
  const std::string echo = position.TextFile("ECHO_L");
  Write(echo, "LOAD CASES\r\nlc 1\r\n0 2 1\r\nTITLE\r\nlower case\r\n");
  const auto before = plat::testing::SnapshotFolder(position.folder());
  const auto run = ComputePosition(position);
  EXPECT_NE(run.exit_code, 0);
  EXPECT_NE(run.messages.find("No load case (a line \"LC <number>\") was found in the file " + echo +
                              ". The file stays as it is; no load case was stored."),
            std::string::npos)
      << run.messages;
  // The store of the geometry writes its files again as they were; the load cases stay as stored.
  EXPECT_TRUE(plat::testing::SnapshotFolder(position.folder()) == before);
}

TEST(ZedirProgram, FileThatCannotBeStoredEndsTheRunWithItsName) {
  for (const std::string base : {"UT801", "M01E1"}) {
    SCOPED_TRACE(base);
    const common::Position position = ComputedExample("BEAM2");
    const std::string path = position.File(base);
    ASSERT_TRUE(plat::RemoveFile(path));
    ASSERT_TRUE(plat::MakeFolder(path));
    const std::string files = ReadBytes(position.FolderFile("FILES"));
    const std::string last = ReadBytes(position.FolderFile("LASTD"));
    const auto run = plat::testing::RunProgram("ZEDIR", {});
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.messages, "Error\tThe file " + path + " cannot be stored!\n");
    // No page of the failed load case is named.
    EXPECT_EQ(ReadBytes(position.FolderFile("FILES")), files);
    EXPECT_EQ(ReadBytes(position.FolderFile("LASTD")), last);
    std::filesystem::remove_all(position.folder());
  }
}

// A small file system of its own for the position, filled to the last byte.
class SmallDisk {
 public:
  explicit SmallDisk(const std::string& folder) : folder_(folder) {
    plat::MakeFolder(folder_);
    mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=2m") == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount(folder_.c_str());
  }
  bool mounted() const { return mounted_; }
  // Fills what is left with one file.
  void Fill() {
    std::FILE* file = std::fopen((folder_ + "/FILLER").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::setvbuf(file, nullptr, _IONBF, 0);
    const std::string block(4096, 'x');
    while (std::fwrite(block.data(), 1, block.size(), file) == block.size()) {
    }
    while (std::fwrite("x", 1, 1, file) == 1) {
    }
    std::fclose(file);
  }
  void Empty() { plat::RemoveFile(folder_ + "/FILLER"); }

 private:
  std::string folder_;
  bool mounted_ = false;
};

TEST(ComputePositionProgram, FullDiskLosesNothingAndSaysSo) {
  if (::getuid() != 0) GTEST_SKIP() << "a small tmpfs needs root: the full-disk test is skipped";
  SmallDisk disk(plat::testing::TestFolder() + "data");
  if (!disk.mounted()) GTEST_SKIP() << "no tmpfs could be mounted: the full-disk test is skipped";
  const common::Position position = ComputedExample("PORTAL");
  const auto before = plat::testing::SnapshotFolder(position.folder());
  disk.Fill();

  // ZEDIR alone: its first new page cannot be made.
  auto run = plat::testing::RunProgram("ZEDIR", {});
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_NE(run.messages.find(" cannot be stored!"), std::string::npos) << run.messages;
  EXPECT_EQ(ReadBytes(position.FolderFile("FILES")), before.at("FILES"));
  EXPECT_EQ(ReadBytes(position.FolderFile("LASTD")), before.at("LASTD"));

  // The whole road: it stops with a message, and every file of before is there, whole.
  run = ComputePosition(position);
  EXPECT_NE(run.exit_code, 0);
  EXPECT_NE(run.messages.find("compute-position\t"), std::string::npos) << run.messages;
  const auto now = plat::testing::SnapshotFolder(position.folder());
  auto rewritten = before;  // a store that begins takes back the mark of a stored geometry
  rewritten["GEOMETRY" + position.ext()] = std::string(4, '\0');
  EXPECT_EQ(plat::testing::FilesNotWhole(before, rewritten, now, InverseFiles(position)), "");
  EXPECT_EQ(now.at("ECHO_G" + position.ext() + ".TXT"), before.at("ECHO_G" + position.ext() + ".TXT"));
  EXPECT_EQ(now.at("ECHO_L" + position.ext() + ".TXT"), before.at("ECHO_L" + position.ext() + ".TXT"));

  // With room again the position is computed.
  disk.Empty();
  run = ComputePosition(position);
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.messages, "");
}

// A program started on its own, to be killed.
pid_t Start(const std::string& program, const std::vector<std::string>& args) {
  std::vector<std::string> argv_text{program};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argv_text) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (::posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

// Whether the program was ended by the kill (false when it had ended already).
bool KillAfter(pid_t pid, std::chrono::microseconds delay) {
  std::this_thread::sleep_for(delay);
  ::kill(pid, SIGKILL);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFSIGNALED(status);
}

struct KillPlan {
  std::string program;             // in the build's bin folder
  std::vector<std::string> args;
  std::string echo;                // the echo text the program rewrites
  std::string old_text;            // its text before each start
};

// Starts the program again and again and kills it at a seeded random moment of its run, until it
// was killed 50 times; after each kill the echo text is the old or the new text, whole, and now and
// then (and at the end) compute-position computes the position from what is there.
void KillAtRandomMoments(const common::Position& position, const KillPlan& plan, unsigned seed) {
  const std::string program = plat::testing::BinFolder() + plan.program;
  const std::string log = plat::testing::TestFolder() + "killed-messages.txt";
  setenv("PLAT_MESSAGES", log.c_str(), 1);
  // One whole run gives the new text and the length of a run.
  Write(plan.echo, plan.old_text);
  const auto start = std::chrono::steady_clock::now();
  const pid_t whole = Start(program, plan.args);
  ASSERT_GT(whole, 0);
  int status = 0;
  ::waitpid(whole, &status, 0);
  const auto length = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << ReadBytes(log);
  const std::string new_text = ReadBytes(plan.echo);
  ASSERT_NE(new_text, plan.old_text);

  std::mt19937 random(seed);
  std::uniform_int_distribution<long> moment(0, length.count());
  const auto budget = std::chrono::steady_clock::now() + std::chrono::seconds(120);
  int kills = 0;
  for (int tries = 0; kills < 50 && std::chrono::steady_clock::now() < budget; ++tries) {
    Write(plan.echo, plan.old_text);
    const pid_t pid = Start(program, plan.args);
    ASSERT_GT(pid, 0);
    const long at = moment(random);
    if (KillAfter(pid, std::chrono::microseconds(at))) ++kills;
    const std::string now = ReadBytes(plan.echo);
    ASSERT_TRUE(now == plan.old_text || now == new_text)
        << "killed after " << at << " us: the echo text holds " << now.size() << " bytes";
    if (tries % 10 == 9) {
      unsetenv("PLAT_MESSAGES");
      const auto rerun = ComputePosition(position);
      ASSERT_EQ(rerun.exit_code, 0) << "after a kill at " << at << " us: " << rerun.messages;
      setenv("PLAT_MESSAGES", log.c_str(), 1);
    }
  }
  unsetenv("PLAT_MESSAGES");
  EXPECT_GE(kills, 50) << "the time budget ran out";
  const auto rerun = ComputePosition(position);
  EXPECT_EQ(rerun.exit_code, 0) << rerun.messages;
}

TEST(KilledPrograms, StoreLeavesTheGeometryEchoOldOrNew) {
  const common::Position position = ComputedExample("PORTAL");
  KillAtRandomMoments(position,
                      {"store-position", {position.data_path(), position.name()}, position.TextFile("ECHO_G"),
                       LfOnly(e2e::ExampleText("ECHO_G", "PORTAL"))},
                      25);
}

TEST(KilledPrograms, LoadRebuildLeavesTheLoadEchoOldOrNew) {
  const common::Position position = ComputedExample("PORTAL");
  KillAtRandomMoments(position,
                      {"PUNDF", {position.ext(), "@" + position.data_path(), "@G"}, position.TextFile("ECHO_L"),
                       LfOnly(e2e::ExampleText("ECHO_L", "PORTAL"))},
                      2025);
}

}  // namespace
