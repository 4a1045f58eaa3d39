#include "Quon/results/result_files.h"

#include <algorithm>
#include <atomic>

#include "Quon/results/writer_threads.h"
#include "Quon/run/messages.h"
#include "mechanics/thread_count.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace zedir {

std::string StateLineFile(const Run& run, std::string_view base, int line_load) {
  return run.position.FolderFile(std::string(base) + std::to_string(line_load) + run.load_case_text);
}

std::string SourceLineFile(const Run& run, std::string_view base, int point_load, int element) {
  return run.position.FolderFile(std::string(base) + std::to_string(point_load) + "ELM" + std::to_string(element) +
                                 run.load_case_text);
}

std::string CurveFile(const Run& run, char letter, int element) {
  return run.position.File(std::string(1, letter) + run.load_case_text + "E" + std::to_string(element));
}

bool WriteSampleLine(const std::string& path, const mechanics::SampleLine& line) {
  return plat::WriteBlock(path, line.data(), mechanics::kSamples * sizeof(float));
}

std::vector<char> WriteSampleLines(std::span<const SampleLineFile> files) {
  // Below this many files a second thread costs more than it saves; files are handed out in
  // runs of this many.
  constexpr std::size_t kParallelFiles = 64;
  constexpr std::size_t kRun = 8;
  std::vector<char> written(files.size(), 0);
  std::atomic<std::size_t> next{0};
  auto write = [&] {
    for (std::size_t first; (first = next.fetch_add(kRun)) < files.size();) {
      for (std::size_t k = first; k < std::min(first + kRun, files.size()); ++k) {
        written[k] = WriteSampleLine(files[k].path, files[k].line) ? 1 : 0;
      }
    }
  };
  // Helpers that block rather than spin while they wait, so that they leave the processors to
  // others.
  // Files made new all wait for the one folder's lock: helpers beside each other would only spin
  // on it. Files written over where they lie take the helpers.
  const bool over = files.size() >= kParallelFiles && plat::FileExists(files.front().path);
  DrainOnHelpers(over ? mechanics::ThreadsToUse() : 1, write);
  return written;
}

common::Result FirstUnwritten(std::span<const SampleLineFile> files, const std::vector<char>& written) {
  for (std::size_t k = 0; k < files.size() && k < written.size(); ++k) {
    if (!written[k]) return CannotStore(files[k].path);
  }
  return common::Result::Ok();
}

}  // namespace zedir
