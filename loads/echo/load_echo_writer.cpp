#include "loads/echo/load_echo_writer.h"

#include <cstdarg>
#include <cstdio>
#include <optional>
#include <vector>

#include "common/settings_files.h"
#include "loads/echo/diary_echo.h"
#include "loads/echo/load_echo_entries.h"
#include "loads/echo/rebuilt_echo.h"
#include "loads/store/load_case_log.h"
#include "loads/store/staged_files.h"
#include "platform/files.h"
#include "platform/whole_file.h"

namespace pundf {
namespace {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
  // Lines of the echo fit the buffer: they are formatted once; a longer one twice.
  char small[256];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  std::string text;
  if (n > 0 && static_cast<std::size_t>(n) < sizeof small) {
    text.assign(small, static_cast<std::size_t>(n));
  } else if (n > 0) {
    text.assign(static_cast<std::size_t>(n), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
  }
  va_end(args);
  return text;
}

// A text on one line: line ends inside it become blanks.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return text;
}

// A note with '_' for each blank in its first 80 characters, so that the
// number in front of it stays its own field.
std::string EchoNote(const std::string& note) {
  std::string text = OneLine(note);
  for (std::size_t k = 0; k < text.size() && k < 80; ++k) {
    if (text[k] == ' ') text[k] = '_';
  }
  return text;
}

// A direction byte as a letter of the text; a byte that is no printable
// character (a damaged record) is written as `fallback`.
char Letter(char c, char fallback) { return static_cast<unsigned char>(c) > ' ' ? c : fallback; }

const char* KindLetter(int kind) {
  switch (kind) {
    case common::PointLoadRecord::kMoment:
      return "M";
    case common::PointLoadRecord::kKink:
      return "K";
    case common::PointLoadRecord::kVerticalDislocation:
      return "V";
    case common::PointLoadRecord::kHorizontalDislocation:
      return "N";
    default:
      return "E";
  }
}

void AppendLineLoads(std::string& out, const LoadCase& lc) {
  out += "LINELOADS\n";
  for (int i = 1; i <= lc.line_loads.count(); ++i) {
    const auto& q = lc.line_loads[i];
    const bool whole = q.whole_element() != 0;
    out += Format("%i %s\n", i, EchoNote(lc.line_notes[i].text()).c_str());
    out += Format("%i %i %8.3lf %8.3lf %8.3lf %8.3lf %8.3lf %8.3lf %8.3lf %8.3lf %c\n", q.element(),
                  q.whole_element(), static_cast<double>(q.x1()), static_cast<double>(q.y1()),
                  static_cast<double>(q.x2()), static_cast<double>(q.y2()), whole ? 0.0 : q.xa(),
                  whole ? 0.0 : q.xb(), static_cast<double>(q.value_a()), static_cast<double>(q.value_b()),
                  Letter(q.direction(), 'N'));
  }
}

void AppendPointLoads(std::string& out, const LoadCase& lc) {
  out += "POINTLOADS\n";
  for (int i = 1; i <= lc.point_loads.count(); ++i) {
    const auto& p = lc.point_loads[i];
    out += Format("%i %s\n", i, EchoNote(lc.point_notes[i].text()).c_str());
    out += Format("%s %i %i %8.3lf %8.3lf %c\n", KindLetter(p.kind()), p.node(), p.element(),
                  static_cast<double>(p.distance()), static_cast<double>(p.value()), Letter(p.direction(), '0'));
  }
}

void AppendSettlements(std::string& out, const LoadCase& lc) {
  std::string lines;
  int count = 0;
  for (int k = 1; k <= lc.settlements.count(); ++k) {
    const auto& s = lc.settlements[k];
    if (s.settled() == 0) continue;
    ++count;
    lines += Format("%i %8.5lf %8.5lf %8.5lf\n", k, static_cast<double>(s.settlement(1)),
                    static_cast<double>(s.settlement(2)), static_cast<double>(s.settlement(3)));
  }
  out += "SETTLEMENT\n" + Format("%i\n", count) + lines;
}

void AppendPrestress(std::string& out, const LoadCase& lc) {
  out += "PRESTRESS\n" + Format("%i\n", lc.prestress.count());
  for (const auto& entry : lc.prestress.used()) {
    out += Format("%i %6.4E\n", entry.element(), static_cast<double>(entry.force()));
  }
}

common::Result ReadError() { return common::Result::Fail("Error on reading files ECHO_L and LNEW in LWRITE.C", "Error"); }

// Writes the text (its line ends become CR LF) to ENEW, synced to disk, and gives ENEW the echo
// text's name in one rename: the old text stays until the new one is whole.
common::Result ReplaceEchoText(const common::Position& pos, const std::string& text) {
  const std::string bytes = TextBytes(text);
  const std::string work = pos.FolderFile("ENEW");
  const std::string echo = pos.TextFile("ECHO_L");
  if (!plat::WriteNewFile(work, bytes.data(), bytes.size(), plat::Sync::kYes)) return ReadError();
  if (plat::FolderExists(echo) || !plat::RenameFile(work, echo)) {
    plat::RemoveFile(work);
    return common::Result::Fail("Error on deleting the file ECHO_L" + pos.ext() + ".TXT", "Error");
  }
  return common::Result::Ok();
}

std::string Joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to) {
  std::string text;
  for (std::size_t k = from; k < to && k < lines.size(); ++k) {
    text += lines[k];
    text += '\n';
  }
  return text;
}

}  // namespace

std::string LoadEchoEntry(const LoadModel& model, int number) { return LoadEchoEntry(model.load_case, number); }

std::string LoadEchoEntry(const LoadCase& lc, int number) {
  const auto& p = lc.params;
  std::string out = Format("LC %i\n", number);
  out += Format("%i %i %i\n", lc.point_loads.count(), lc.line_loads.count(), p.origin());
  out += "TITLE\n" + OneLine(p.title()) + "\n";
  if (p.gravity_flag() != 0) out += "GRAVITYLOAD\n" + Format("%8.3lf  %8.3lf\n", p.gamma(), p.covering());
  if (lc.line_loads.count() > 0) AppendLineLoads(out, lc);
  if (lc.point_loads.count() > 0) AppendPointLoads(out, lc);
  if (p.temperature_flag() != 0) {
    out += "TEMPERATURE\n";
    out += Format("%8.3lf\n%8.3lf\n%8.3E\n", static_cast<double>(p.uniform_temperature()), p.delta_t(), p.alpha_t());
  }
  if (p.settlement_flag() != 0) AppendSettlements(out, lc);
  if (p.prestress_flag() != 0) AppendPrestress(out, lc);
  return out;
}

common::Result WriteEchoTimeMark(const common::Position& position, StagedFiles* staged) {
  const std::string path = position.FolderFile("TIMELW");
  if (staged) {
    staged->Set(path, std::string(4, '\0'));
    return common::Result::Ok();
  }
  if (common::WriteInt32File(path, 0)) return common::Result::Ok();
  return CannotWrite(path);
}

void StageEchoText(StagedFiles& staged, const common::Position& position, const std::vector<std::string>& lines) {
  std::string bytes = TextBytes(Joined(lines, 0, lines.size()));
  staged.Set(position.FolderFile("D2LOG"), LoadCaseLogBytes(EchoLoadCaseNumbers(lines)));
  staged.Set(position.TextFile("ECHO_L"), bytes, plat::Sync::kYes);
  staged.Set(position.FolderFile("ECHO_L.TXT"), std::move(bytes), plat::Sync::kYes);
}

common::Result RemoveLoadEchoCases(const common::Position& position, const std::set<int>& numbers) {
  const std::string echo = position.TextFile("ECHO_L");
  if (!plat::FileExists(echo)) return common::Result::Ok();
  auto lines = plat::ReadLines(echo);
  if (!lines) return ReadError();
  const auto entries = FindLoadEchoEntries(*lines);
  std::string text = Joined(*lines, 0, entries.empty() ? lines->size() : entries.front().first);
  for (const EchoEntry& entry : entries) {
    if (!numbers.contains(entry.number)) text += Joined(*lines, entry.first, entry.last + 1);
  }
  return ReplaceEchoText(position, text);
}

}  // namespace pundf
