#include "platform/frames/tool_bar_setup.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "platform/text_file.h"

namespace plat {

namespace {

constexpr std::string_view kHeader = "TOOLBARS 1";
// Farther away than any screen; a place beyond is no place a program wrote.
constexpr long kMaxPlace = 100000;
constexpr long kMaxCommand = 0xFFFF;  // commands travel in WM_COMMAND's low word

struct Side {
  DockSide side;
  std::string_view word;
};
constexpr Side kSides[] = {{DockSide::kTop, "TOP"},
                           {DockSide::kBottom, "BOTTOM"},
                           {DockSide::kLeft, "LEFT"},
                           {DockSide::kRight, "RIGHT"},
                           {DockSide::kFloating, "FLOATING"}};

std::string_view SideWord(DockSide side) {
  for (const Side& s : kSides) {
    if (s.side == side) return s.word;
  }
  return "TOP";
}

bool HasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

// The fields of a line, split at single blanks; the last field keeps the
// rest of the line (a name or a text).
class Fields {
 public:
  explicit Fields(std::string_view line) : rest_(line) {}

  std::string_view Word() {
    const std::size_t blank = rest_.find(' ');
    const std::string_view word = rest_.substr(0, blank);
    rest_ = blank == std::string_view::npos ? std::string_view() : rest_.substr(blank + 1);
    return word;
  }
  std::optional<long> Number(long low, long high) {
    const std::string word(Word());
    if (word.empty() || word.size() > 12) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(word.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high) return std::nullopt;
    return value;
  }
  std::optional<bool> Shown() {
    const std::string_view word = Word();
    if (word == "SHOWN") return true;
    if (word == "HIDDEN") return false;
    return std::nullopt;
  }
  std::string_view Rest() const { return rest_; }
  bool AtEnd() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

class Parser {
 public:
  explicit Parser(const std::vector<UINT>& standard_ids) : standard_ids_(standard_ids) {}

  ParsedToolBars Parse(std::string_view text) {
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.empty() || lines[0] != kHeader) return Fail(1, "it does not start with \"TOOLBARS 1\"");
    for (std::size_t i = 1; i < lines.size(); ++i) {
      if (!Line(lines[i])) return Fail(static_cast<int>(i) + 1, problem_);
    }
    if (bar_) return Fail(static_cast<int>(lines.size()), "the last bar has no END");
    return ParsedToolBars{std::move(setup_), {}};
  }

 private:
  static ParsedToolBars Fail(int line, const std::string& what) {
    return ParsedToolBars{std::nullopt, "line " + std::to_string(line) + ": " + what};
  }
  bool Refuse(std::string what) {
    problem_ = std::move(what);
    return false;
  }

  bool Line(const std::string& line) {
    Fields fields(line);
    const std::string_view keyword = fields.Word();
    if (keyword == "BAR") return Bar(fields);
    if (!bar_) return Refuse("\"" + std::string(keyword) + "\" outside a bar");
    if (keyword == "NAME") return Name(fields.Rest());
    if (keyword == "DEFAULTS") return Defaults(fields);
    if (keyword == "BUTTON") return Button(fields);
    if (keyword == "SEPARATOR") return Separator(fields);
    if (keyword == "END") return End(fields);
    return Refuse("unknown line \"" + line.substr(0, 40) + "\"");
  }

  bool Bar(Fields& f) {
    if (bar_) return Refuse("a bar inside a bar");
    const auto id = f.Number(1, kMaxCommand);
    if (!id) return Refuse("no bar id");
    const UINT bar_id = static_cast<UINT>(*id);
    const bool standard = std::find(standard_ids_.begin(), standard_ids_.end(), bar_id) != standard_ids_.end();
    if (!standard && !IsUserToolBarId(bar_id)) return Refuse("no tool bar has the id " + std::to_string(bar_id));
    for (const ToolBarSetup& b : setup_.bars) {
      if (b.id == bar_id) return Refuse("the bar " + std::to_string(bar_id) + " twice");
    }
    const std::string_view side_word = f.Word();
    const Side* side = std::find_if(std::begin(kSides), std::end(kSides),
                                    [&](const Side& s) { return s.word == side_word; });
    if (side == std::end(kSides)) return Refuse("no side \"" + std::string(side_word) + "\"");
    const auto shown = f.Shown();
    const auto x = f.Number(-kMaxPlace, kMaxPlace);
    const auto y = f.Number(-kMaxPlace, kMaxPlace);
    if (!shown || !x || !y || !f.AtEnd()) return Refuse("a bar line that is not \"BAR id side SHOWN x y\"");
    ToolBarSetup bar;
    bar.id = bar_id;
    bar.side = side->side;
    bar.shown = *shown;
    bar.float_place = Point{static_cast<int>(*x), static_cast<int>(*y)};
    bar_ = std::move(bar);
    standard_ = standard;
    return true;
  }

  bool Name(std::string_view name) {
    if (const std::string problem = ToolBarNameProblem(name); !problem.empty()) return Refuse(problem);
    bar_->name = std::string(name);
    return true;
  }

  bool Defaults(Fields& f) {
    if (!standard_) return Refuse("defaults of a person's bar");
    while (!f.AtEnd()) {
      const auto id = f.Number(0, kMaxCommand);
      if (!id) return Refuse("a default that is no command");
      if (bar_->defaults.size() >= kMaxToolBarButtons) return Refuse("more than 100 defaults");
      bar_->defaults.push_back(static_cast<UINT>(*id));
    }
    return true;
  }

  bool Button(Fields& f) {
    const auto id = f.Number(1, kMaxCommand);
    const auto shown = f.Shown();
    if (!id || !shown) return Refuse("a button line that is not \"BUTTON command SHOWN text\"");
    const std::string_view text = f.Rest();
    if (text.empty() || text.size() > kMaxToolButtonTextLength || HasControlCharacter(text)) {
      return Refuse("a button text that is empty, longer than 128 characters or holds control characters");
    }
    ToolButton button(static_cast<UINT>(*id), std::string(text));
    button.hidden = !*shown;
    return Add(std::move(button));
  }

  bool Separator(Fields& f) {
    const auto shown = f.Shown();
    if (!shown || !f.AtEnd()) return Refuse("a separator line that is not \"SEPARATOR SHOWN\"");
    ToolButton separator;
    separator.hidden = !*shown;
    return Add(std::move(separator));
  }

  bool Add(ToolButton button) {
    if (bar_->buttons.size() >= kMaxToolBarButtons) return Refuse("more than 100 buttons in a bar");
    bar_->buttons.push_back(std::move(button));
    return true;
  }

  bool End(Fields& f) {
    if (!f.AtEnd()) return Refuse("text after END");
    if (bar_->name.empty()) return Refuse("a bar without a name");
    setup_.bars.push_back(std::move(*bar_));
    bar_.reset();
    return true;
  }

  const std::vector<UINT>& standard_ids_;
  ToolBarsSetup setup_;
  std::optional<ToolBarSetup> bar_;  // the bar being read
  bool standard_ = false;
  std::string problem_;
};

}  // namespace

bool IsUserToolBarId(UINT id) {
  return id >= kFirstUserToolBarId && id < kFirstUserToolBarId + static_cast<UINT>(kMaxUserToolBars);
}

std::string ToolBarNameProblem(std::string_view name) {
  if (name.find_first_not_of(' ') == std::string_view::npos) return "A tool bar needs a name.";
  if (name.size() > kMaxToolBarNameLength) return "A tool bar's name has at most 64 characters.";
  if (HasControlCharacter(name)) return "A tool bar's name holds no control characters.";
  return {};
}

std::string FormatToolBarsSetup(const ToolBarsSetup& setup) {
  std::string text(kHeader);
  text += '\n';
  for (const ToolBarSetup& bar : setup.bars) {
    text += "BAR " + std::to_string(bar.id) + " " + std::string(SideWord(bar.side)) +
            (bar.shown ? " SHOWN " : " HIDDEN ") + std::to_string(bar.float_place.x) + " " +
            std::to_string(bar.float_place.y) + "\n";
    text += "NAME " + bar.name + "\n";
    if (!bar.defaults.empty()) {
      text += "DEFAULTS";
      for (UINT id : bar.defaults) text += " " + std::to_string(id);
      text += "\n";
    }
    for (const ToolButton& b : bar.buttons) {
      const char* shown = b.hidden ? "HIDDEN" : "SHOWN";
      text += b.id == 0 ? std::string("SEPARATOR ") + shown + "\n"
                        : "BUTTON " + std::to_string(b.id) + " " + shown + " " + b.text + "\n";
    }
    text += "END\n";
  }
  return text;
}

ParsedToolBars ParseToolBarsSetup(std::string_view text, const std::vector<UINT>& standard_ids) {
  return Parser(standard_ids).Parse(text);
}

}  // namespace plat
