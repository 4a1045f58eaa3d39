#include "loads/echo/rebuild_load_case.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/echo/card_reader.h"
#include "common/echo/fields.h"
#include "common/echo/number_reader.h"
#include "common/position/file_names.h"
#include "common/records/capacities.h"
#include "common/records/record_files.h"
#include "loads/model/diary.h"
#include "loads/model/load_checks.h"
#include "loads/model/point_load_values.h"
#include "loads/model/whole_element_load.h"

namespace pundf {
namespace fn = common::file_names;
namespace {

using common::echo::ColumnKind;

// The lines of one entry; index 0 is its "LC" line.
class Entry {
 public:
  Entry(const LoadEchoText& echo, const EchoEntry& entry)
      : lines_(std::span(echo.text.lines).subspan(entry.first, entry.last - entry.first + 1)),
        kinds_(std::span(echo.text.kinds).subspan(entry.first, entry.last - entry.first + 1)) {}

  std::size_t size() const { return lines_.size(); }
  const std::string& line(std::size_t i) const { return lines_[i]; }

  // The first line of the keyword inside the entry.
  std::optional<std::size_t> Find(int keyword) const {
    for (std::size_t i = 1; i < kinds_.size(); ++i) {
      if (kinds_[i] == keyword) return i;
    }
    return std::nullopt;
  }
  // The number of data lines from `first` on, at most `count`, before the next
  // keyword line or the entry's end.
  std::size_t DataLines(std::size_t first, std::size_t count) const {
    return common::echo::SectionLength(kinds_, first, count);
  }

 private:
  std::span<const std::string> lines_;
  std::span<const int> kinds_;
};

// The first field of the line in a number column that holds no digit, as the
// card reader takes the fields (after the surplus check); a missing field reads
// "0". Such a field would read as 0.
std::optional<std::string> FirstNonNumber(const std::string& line, std::span<const ColumnKind> kinds) {
  const std::vector<std::string_view> split = common::echo::SplitFields(line);
  const std::vector<std::string_view> fields = common::echo::DropSurplusFields(split, kinds);
  for (std::size_t i = 0; i < kinds.size() && i < fields.size(); ++i) {
    if (!common::echo::IsNumberKind(kinds[i])) continue;
    const std::string kept = common::echo::FilterField(fields[i], kinds[i]);
    if (kept.find_first_of("0123456789") == std::string::npos) return std::string(fields[i]);
  }
  return std::nullopt;
}

// Everything built for one load case, or the first problem met.
struct Builder {
  const Geometry& geometry;
  const Entry& entry;
  int number;
  const std::string& path;
  LoadCase lc;
  std::vector<common::Result> messages;
  Problem problem;

  void Note(const std::string& text) {
    messages.push_back(common::Result::Fail(
        "Load case " + std::to_string(number) + " of " + path + ": " + text + ".", "Hint"));
  }

  // A data line read as a card; nullopt, with the problem set, when a number
  // column holds no number (a word, "nan", a lone sign) or one that does not
  // fit the float it is stored in.
  std::optional<common::echo::Card> Read(const std::string& line, std::span<const ColumnKind> kinds) {
    if (const auto word = FirstNonNumber(line, kinds)) {
      problem = "the text " + *word + " in the line \"" + line + "\" is not a number";
      return std::nullopt;
    }
    common::echo::Card card = common::echo::ReadCard(line, kinds);
    if (const auto number = card.FirstUnfitNumber()) {
      problem = common::echo::UnfitNumberProblem(*number, line);
      return std::nullopt;
    }
    return card;
  }

  // A table count from the entry's count line, cut to the table's slots.
  int Capped(int count, int capacity, const char* what) {
    if (count <= capacity) return count;
    Note("it holds " + std::to_string(count) + " " + what + ", the first " + std::to_string(capacity) +
         " are read");
    return capacity;
  }
};

char LineLoadDirection(const common::echo::Column& column) {
  const auto k = column.text.find_first_not_of(' ');
  const char c = k == std::string::npos ? ' ' : column.text[k];
  return c == 'T' || c == 'X' || c == 'Y' ? c : 'N';
}

char FirstLetter(const common::echo::Column& column) {
  const auto k = column.text.find_first_not_of(' ');
  return k == std::string::npos ? ' ' : column.text[k];
}

// The note of a "%i %s" line: its text after the first blank, '_' read as a
// blank in the first 120 characters.
std::string NoteOf(const std::string& line) {
  const auto blank = line.find(' ');
  std::string note = blank == std::string::npos ? std::string() : line.substr(blank + 1);
  for (std::size_t k = 0; k < note.size() && k < 120; ++k) {
    if (note[k] == '_') note[k] = ' ';
  }
  return note;
}

common::NoteRecord NoteRecordOf(const std::string& line) {
  common::NoteRecord note;
  note.set_text(NoteOf(line));
  return note;
}

float F(const common::echo::Column& column) { return common::echo::ToFloat(column.real); }

std::string Beyond(const char* what, int i, const char* kind, int number, int available) {
  return std::string(what) + " " + std::to_string(i) + " lies on " + kind + " " + std::to_string(number) +
         ", the frame has " + std::to_string(available) + " " + kind + "s";
}

std::string Metres(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", static_cast<double>(value));
  return text;
}

bool WholeStretch(int whole_field, float xa, float xb, float length) {
  if (whole_field == 1) return true;
  return 2.0f * std::fabs(xa) < 0.1f && (2.0f * std::fabs(xb) < 0.1f || xb >= length - 0.05f);
}

void ReadLineLoads(Builder& b, int count) {
  const auto at = b.entry.Find(kEchoLineLoads);
  if (!at || count == 0) return;
  static constexpr ColumnKind kKinds[] = {ColumnKind::kWhole, ColumnKind::kWhole, ColumnKind::kReal,
                                          ColumnKind::kReal,  ColumnKind::kReal,  ColumnKind::kReal,
                                          ColumnKind::kReal,  ColumnKind::kReal,  ColumnKind::kReal,
                                          ColumnKind::kReal,  ColumnKind::kLettersXYNT};
  const std::size_t loads = b.entry.DataLines(*at + 1, 2 * static_cast<std::size_t>(count)) / 2;
  for (std::size_t i = 0; i < loads && !b.problem; ++i) {
    const int n = static_cast<int>(i) + 1;
    const auto read = b.Read(b.entry.line(*at + 2 + 2 * i), kKinds);
    if (!read) return;
    const auto& card = *read;
    const int e = card[0].whole;
    if (e < 1 || e > b.geometry.element_count()) {
      b.problem = Beyond("line load", n, "element", e, b.geometry.element_count());
      return;
    }
    const auto& element = b.geometry.elements[e];
    const float xa = F(card[6]), xb = F(card[7]);
    const char direction = LineLoadDirection(card[10]);
    if (WholeStretch(card[1].whole, xa, xb, element.length())) {
      b.lc.line_loads.Append(WholeElementLoad(element, e, direction, F(card[8]), F(card[9])));
    } else {
      // As the table checks a stretch: on the element, rounding pulled onto its ends.
      const auto from = DistanceOnElement(xa, element.length());
      const auto to = DistanceOnElement(xb, element.length());
      if (!from || !to) {
        b.problem = "the stretch " + Metres(xa) + " to " + Metres(xb) + " m of line load " + std::to_string(n) +
                    " lies outside element " + std::to_string(e) + " of " + Metres(element.length()) + " m";
        return;
      }
      b.lc.line_loads.Append(StretchLoad(element, e, direction, *from, *to, F(card[8]), F(card[9])));
    }
    b.lc.line_notes.Append(NoteRecordOf(b.entry.line(*at + 1 + 2 * i)));
  }
}

int KindOfLetter(char letter) {
  switch (letter) {
    case 'M':
      return common::PointLoadRecord::kMoment;
    case 'K':
      return common::PointLoadRecord::kKink;
    case 'V':
      return common::PointLoadRecord::kVerticalDislocation;
    case 'N':
      return common::PointLoadRecord::kHorizontalDislocation;
    default:
      return common::PointLoadRecord::kForce;
  }
}

void ReadPointLoads(Builder& b, int count) {
  const auto at = b.entry.Find(kEchoPointLoads);
  if (!at || count == 0) return;
  // The kind letter is read among all letters: the horizontal dislocation's
  // 'N' lies outside the letters of the point-load kinds' own column.
  static constexpr ColumnKind kKinds[] = {ColumnKind::kAlphanumeric, ColumnKind::kWhole, ColumnKind::kWhole,
                                          ColumnKind::kReal,         ColumnKind::kReal,  ColumnKind::kLettersXYNT};
  const Geometry& g = b.geometry;
  const std::size_t loads = b.entry.DataLines(*at + 1, 2 * static_cast<std::size_t>(count)) / 2;
  for (std::size_t i = 0; i < loads && !b.problem; ++i) {
    const int n = static_cast<int>(i) + 1;
    const auto read = b.Read(b.entry.line(*at + 2 + 2 * i), kKinds);
    if (!read) return;
    const auto& card = *read;
    const int node = card[1].whole, e = card[2].whole;
    if (node > g.node_count()) {
      b.problem = Beyond("point load", n, "node", node, g.node_count());
      return;
    }
    if ((node == 0 && e < 1) || e > g.element_count()) {
      b.problem = Beyond("point load", n, "element", e, g.element_count());
      return;
    }
    common::PointLoadRecord load;
    load.set_kind(static_cast<std::uint8_t>(KindOfLetter(FirstLetter(card[0]))));
    const char direction = FirstLetter(card[5]);
    if (load.kind() == common::PointLoadRecord::kForce && !IsForceDirection(direction)) {
      b.problem = "point load " + std::to_string(n) + " is a force without the direction X, Y, N or T";
      return;
    }
    load.set_node(static_cast<std::int16_t>(node));
    load.set_element(static_cast<std::int16_t>(e));
    load.set_distance(F(card[3]));
    PlanePoint point;
    if (node > 0) {
      load.set_placement(common::PointLoadRecord::kAtNode);
      point = {g.nodes[node].x(), g.nodes[node].y()};
    } else {
      load.set_placement(common::PointLoadRecord::kOnElement);
      point = PointOnElement(g.elements[e], load.distance());
    }
    load.set_x(point.x);
    load.set_y(point.y);
    load.set_z(-point.y);
    const float cos = e > 0 ? g.elements[e].cosine() : 0.0f;
    const float sin = e > 0 ? g.elements[e].sine() : 0.0f;
    SetPointLoadValue(load, F(card[4]), direction, cos, sin);
    b.lc.point_loads.Append(load);
    b.lc.point_notes.Append(NoteRecordOf(b.entry.line(*at + 1 + 2 * i)));
  }
}

std::optional<double> ValueOf(Builder& b, const std::string& line) {
  static constexpr ColumnKind kKinds[] = {ColumnKind::kReal};
  const auto card = b.Read(line, kKinds);
  if (!card) return std::nullopt;
  return (*card)[0].real;
}

void ReadTemperature(Builder& b) {
  const auto at = b.entry.Find(kEchoTemperature);
  if (!at) return;
  const std::size_t lines = b.entry.DataLines(*at + 1, 3);
  if (lines == 0) return;
  double values[3] = {0.0, 0.0, 0.0};
  for (std::size_t k = 0; k < lines; ++k) {
    const auto value = ValueOf(b, b.entry.line(*at + 1 + k));
    if (!value) return;
    values[k] = *value;
  }
  auto& p = b.lc.params;
  p.set_uniform_temperature(common::echo::ToFloat(values[0]));
  p.set_delta_t(values[1]);
  p.set_alpha_t(values[2]);
  p.set_temperature_flag(1);
  // The echo holds the load case's values: every element carries them.
  for (auto& record : b.lc.temperatures.used()) {
    record.set_uniform_t(p.uniform_temperature());
    record.set_delta_t(static_cast<float>(values[1]));
    record.set_alpha_t(static_cast<float>(values[2]));
    record.set_loaded(1);
  }
}

// The count line after a keyword and the data lines that follow it.
struct CountedSection {
  std::size_t first = 0;  // the first data line
  std::size_t lines = 0;
};

std::optional<CountedSection> Counted(Builder& b, int keyword, int capacity, const char* what) {
  const auto at = b.entry.Find(keyword);
  if (!at || b.entry.DataLines(*at + 1, 1) == 0) return std::nullopt;
  const int count = b.Capped(common::echo::ReadCount(b.entry.line(*at + 1)), capacity, what);
  return CountedSection{*at + 2, b.entry.DataLines(*at + 2, static_cast<std::size_t>(count))};
}

void ReadSettlements(Builder& b) {
  const auto section = Counted(b, kEchoSettlement, common::kMaxSupports, "settled supports");
  if (!section) return;
  static constexpr ColumnKind kKinds[] = {ColumnKind::kWhole, ColumnKind::kReal, ColumnKind::kReal,
                                          ColumnKind::kReal};
  auto& supports = b.lc.settlements;
  for (std::size_t k = 0; k < section->lines; ++k) {
    const auto read = b.Read(b.entry.line(section->first + k), kKinds);
    if (!read) return;
    const auto& card = *read;
    const int i = card[0].whole;
    if (i < 1 || i > supports.count()) {
      b.problem = "settlement " + std::to_string(k + 1) + " names support " + std::to_string(i) +
                  ", the frame has " + std::to_string(supports.count()) + " supports";
      return;
    }
    for (int d = 1; d <= 3; ++d) supports[i].set_settlement(d, F(card[d]));
    supports[i].set_settled(1);
  }
  int settled = 0;
  for (const auto& s : supports.used()) settled += s.settled() != 0 ? 1 : 0;
  b.lc.params.set_settled_support_count(static_cast<std::int16_t>(settled));
  b.lc.params.set_settlement_flag(1);
}

void ReadPrestress(Builder& b) {
  const auto section = Counted(b, kEchoPrestress, common::kMaxPrestressEntries, "prestress entries");
  if (!section) return;
  static constexpr ColumnKind kKinds[] = {ColumnKind::kWhole, ColumnKind::kReal};
  for (std::size_t k = 0; k < section->lines; ++k) {
    const auto read = b.Read(b.entry.line(section->first + k), kKinds);
    if (!read) return;
    const auto& card = *read;
    const int e = card[0].whole;
    if (e < 1 || e > b.geometry.element_count()) {
      b.problem = Beyond("prestress entry", static_cast<int>(k) + 1, "element", e, b.geometry.element_count());
      return;
    }
    common::PrestressEntry entry;
    entry.set_element(e);
    entry.set_force(F(card[1]));
    b.lc.prestress.Append(entry);
  }
  b.lc.params.set_prestress_count(static_cast<std::int16_t>(b.lc.prestress.count()));
  b.lc.params.set_prestress_flag(1);
}

void BuildLoadCase(Builder& b) {
  auto& p = b.lc.params;
  static constexpr ColumnKind kCounts[] = {ColumnKind::kWhole, ColumnKind::kWhole, ColumnKind::kWhole};
  const auto counts = common::echo::ReadCard(b.entry.size() > 1 ? b.entry.line(1) : std::string(), kCounts);
  const int points = b.Capped(counts[0].whole, common::kMaxPointLoads, "point loads");
  const int lines = b.Capped(counts[1].whole, common::kMaxLineLoads, "line loads");
  p.set_origin(static_cast<std::int16_t>(counts[2].whole));

  if (const auto at = b.entry.Find(kEchoTitle); at && *at + 1 < b.entry.size()) p.set_title(b.entry.line(*at + 1));
  if (const auto at = b.entry.Find(kEchoGravity); at && b.entry.DataLines(*at + 1, 1) == 1) {
    static constexpr ColumnKind kKinds[] = {ColumnKind::kReal, ColumnKind::kReal};
    const auto card = b.Read(b.entry.line(*at + 1), kKinds);
    if (!card) return;
    p.set_gamma((*card)[0].real);
    p.set_covering((*card)[1].real);
    p.set_gravity_flag(1);
  }
  ReadLineLoads(b, lines);
  if (!b.problem) ReadPointLoads(b, points);
  if (!b.problem) ReadTemperature(b);
  if (!b.problem) ReadSettlements(b);
  if (!b.problem) ReadPrestress(b);
}

}  // namespace

StoreReport RebuildLoadCase(LoadModel& model, const LoadEchoText& echo, std::size_t k) {
  StoreReport report;
  if (k < 1 || k > echo.entries.size()) {
    report.refused = common::Result::Fail("The echo text " + echo.path + " has no load case " + std::to_string(k) +
                                              ".",
                                          "Error");
    return report;
  }
  const EchoEntry& found = echo.entries[k - 1];
  // Checked before the number is cut to the 16 bits of the records.
  if (found.number < 1 || found.number > common::kMaxLoadCases) {
    report.refused = common::Result::Fail("Load case " + std::to_string(found.number) + " of " + echo.path +
                                              " is not rebuilt: load cases are numbered 1 to 99.",
                                          "Error");
    return report;
  }
  // A rebuild of every load case keeps the diary it stages in memory.
  if (!model.rebuilt_echo) {
    auto diary = ReadDiary(model.position);
    if (!diary) {
      report.refused = diary.failure();
      return report;
    }
    model.diary = *diary;
  }

  const Entry entry(echo, found);
  Builder b{model.geometry, entry, found.number, echo.path, EmptyLoadCase(model.geometry, found.number), {}, {}};
  BuildLoadCase(b);
  report.messages = std::move(b.messages);
  if (b.problem) {
    report.refused = common::Result::Fail(
        "Load case " + std::to_string(found.number) + " of " + echo.path + " is not rebuilt: " + *b.problem + ".",
        "Error");
    return report;
  }
  const LoadCase previous = std::move(model.load_case);
  model.load_case = std::move(b.lc);
  if (auto r = CheckStorable(model); !r) {
    model.load_case = previous;
    report.refused = r;
    return report;
  }

  StoreReport stored = StoreLoadCase(model);
  report.refused = stored.refused;
  for (auto& message : stored.messages) report.messages.push_back(std::move(message));
  model.editor.saved = model.load_case.params;
  model.editor.new_case = false;
  return report;
}

}  // namespace pundf
