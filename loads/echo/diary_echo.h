#pragma once
// The load echo text kept whole: after a store it holds every load case of the
// diary, each entry as LoadEchoEntry writes it from that load case's files.
#include <optional>
#include <string>
#include <vector>

#include "common/result.h"
#include "loads/model/load_model.h"

namespace pundf {

struct DiaryEcho {
  std::vector<std::string> lines;         // the new text, one line each
  std::vector<common::Result> messages;  // load cases left without an entry
};

// The text after the store of the load case in memory (model.load_case, in
// model.diary already): the lines of `old_lines` before its first entry, then
// one entry per load case of the diary in the diary's order (the one in memory
// from memory, every other from its stored files), then the entries of
// `old_lines` of load cases that are not in the diary, as they stand. A load
// case of the diary whose files do not read keeps its entry of `old_lines` as
// it stands; without one it gets none, with a message naming it (caption "Hint").
DiaryEcho EchoOfDiary(const LoadModel& model, const std::vector<std::string>& old_lines);

// The text with an entry, from its stored files, for every load case of the
// diary that has none in `lines` (appended in the diary's order); every line of
// `lines` stays. Messages as EchoOfDiary.
DiaryEcho CompletedEcho(const LoadModel& model, const std::vector<std::string>& lines);

// The load-case numbers of the entries of an echo text that are numbers of
// load cases (1..99), in the text's order: what D2LOG lists.
std::vector<int> EchoLoadCaseNumbers(const std::vector<std::string>& lines);

}  // namespace pundf
