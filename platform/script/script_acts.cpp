#include "platform/script/script_acts.h"

#include <QApplication>
#include <QToolButton>

#include <functional>
#include <map>
#include <vector>

#include "platform/dc/bitmap.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/menu_bar.h"
#include "platform/ribbon/ribbon_bar.h"
#include "platform/ribbon/ribbon_elements.h"
#include "platform/script/script_targets.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/text_codec.h"

namespace plat::script {
namespace {

using testing::MouseButton;

std::vector<std::string> SplitPath(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = path.find('/', start);
    parts.emplace_back(path.substr(start, slash == std::string_view::npos ? slash : slash - start));
    if (slash == std::string_view::npos) return parts;
    start = slash + 1;
  }
}

// The exact texts of the menu items that the names of `path` (from `at` on)
// give, walking down from `menu`; empty when one is missing.
std::vector<std::string> ResolveMenu(const Menu& menu, const std::vector<std::string>& path, std::size_t at) {
  std::vector<std::string> texts;
  const Menu* current = &menu;
  for (std::size_t i = at; i < path.size(); ++i) {
    const Menu::Item* found = nullptr;
    if (current) {
      for (const Menu::Item& item : current->items()) {
        if (!(item.flags & MF_SEPARATOR) && MenuItemName(item.text) == path[i]) {
          found = &item;
          break;
        }
      }
    }
    if (!found || (i + 1 < path.size() && !found->popup)) return {};
    texts.push_back(found->text);
    current = found->popup.get();
  }
  return texts;
}

RibbonBar* RibbonOf(FrameWnd& frame) { return dynamic_cast<RibbonBar*>(frame.GetControlBar(AFX_IDW_RIBBON_BAR)); }

// A path through the ribbon: the application button's menu, or a category and
// a button in it (with or without its panel's name).
std::string ChooseOnRibbon(RibbonBar& ribbon, const std::vector<std::string>& path, const std::string& shown) {
  QToolButton* app_button = ribbon.application_button();
  if (app_button && path.size() >= 2 && MenuItemName(Utf8ToCp1252(app_button->text().toStdString())) == path[0]) {
    const std::vector<std::string> texts = ResolveMenu(*ribbon.GetApplicationMenu(), path, 1);
    if (texts.empty()) return "no such menu path \"" + shown + "\"";
    return testing::ChooseApplicationMenuItem(ribbon, texts) ? "" : "the menu item \"" + shown + "\" is disabled";
  }
  for (int c = 0; c < ribbon.GetCategoryCount(); ++c) {
    RibbonCategory* category = ribbon.GetCategory(c);
    if (MenuItemName(category->GetName()) != path[0] || path.size() < 2 || path.size() > 3) continue;
    for (RibbonElement* e : ribbon.GetElements()) {
      if (e->GetParentCategory() != category || MenuItemName(e->GetText()) != path.back()) continue;
      const RibbonPanel* panel = e->GetParentPanel();
      if (path.size() == 3 && (!panel || MenuItemName(panel->GetName()) != path[1])) continue;
      if (!testing::ClickCategoryTab(ribbon, c)) return "the ribbon's category \"" + path[0] + "\" cannot be chosen";
      return testing::ClickRibbonButton(ribbon, e->GetID()) ? "" : "the ribbon button \"" + shown + "\" is disabled";
    }
  }
  return "no such menu path \"" + shown + "\"";
}

std::string DoMenu(const Step& step) {
  FrameWnd* frame = MainFrame();
  if (!frame) return "no main frame";
  if (!frame->IsWindowEnabled()) return "the main frame is disabled (a dialog is open)";
  const std::vector<std::string> path = SplitPath(Utf8ToCp1252(step.args));
  testing::IdleUpdate(*frame);
  const Menu* menu = frame->GetDisplayedMenu();
  if (menu && frame->GetMenuBar() && frame->GetMenuBar()->IsWindowVisible()) {
    const std::vector<std::string> texts = ResolveMenu(*menu, path, 0);
    if (!texts.empty()) {
      return testing::ChooseMenuItem(*frame, texts) ? "" : "the menu item \"" + step.args + "\" is disabled";
    }
  }
  if (RibbonBar* ribbon = RibbonOf(*frame)) return ChooseOnRibbon(*ribbon, path, step.args);
  return "no such menu path \"" + step.args + "\"";
}

std::string DoCommand(const Step& step) {
  const std::optional<int> id = ParseInt(step.args);
  if (!id || *id <= 0 || *id > 0xFFFF) return "not a command id";
  FrameWnd* frame = MainFrame();
  if (!frame) return "no main frame";
  if (!frame->IsWindowEnabled()) return "the main frame is disabled (a dialog is open)";
  if (!frame->IsCommandEnabled(static_cast<UINT>(*id))) return "command " + step.args + " is disabled";
  frame->PostMessage(WM_COMMAND, static_cast<WPARAM>(*id), 0);
  return "";
}

std::string DoKey(const Step& step) {
  const std::optional<KeyStroke> key = ParseKey(step.args);
  if (!key) return "no such key \"" + step.args + "\"";
  Window* target = KeyTarget();
  if (!target) return "no window has the focus";
  if (step.verb == "key") {
    testing::PressKey(*target, key->vk, key->mods);
  } else if (step.verb == "keydown") {
    testing::KeyDown(*target, key->vk, key->mods);
  } else {
    testing::KeyUp(*target, key->vk, key->mods);
  }
  return "";
}

std::string DoType(const Step& step) {
  Window* target = KeyTarget();
  if (!target) return "no window has the focus";
  testing::TypeText(*target, Utf8ToCp1252(step.args));
  return "";
}

std::string DoWheel(const Step& step) {
  const std::vector<std::string> words = Words(step.args);
  const std::optional<int> delta = words.empty() ? std::nullopt : ParseInt(words[0]);
  if (!delta) return "not a wheel turn";
  unsigned mods = 0;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const unsigned mod = ModifierOf(words[i]);
    if (mod == 0) return "no such modifier \"" + words[i] + "\"";
    mods |= mod;
  }
  Window* target = KeyTarget();
  if (!target) return "no window has the focus";
  testing::Wheel(*target, *delta, mods);
  return "";
}

// The options after a click's point: a button or "double", and modifier keys.
struct ClickOptions {
  MouseButton button = MouseButton::kLeft;
  bool twice = false;
  unsigned mods = 0;
};

std::string ReadClickOptions(const std::vector<std::string>& words, std::size_t from, bool modifiers,
                             ClickOptions* options) {
  static const std::map<std::string, MouseButton> buttons{{"right", MouseButton::kRight},
                                                          {"middle", MouseButton::kMiddle},
                                                          {"x1", MouseButton::kX1},
                                                          {"x2", MouseButton::kX2}};
  for (std::size_t i = from; i < words.size(); ++i) {
    if (words[i] == "double") {
      options->twice = true;
    } else if (auto b = buttons.find(words[i]); b != buttons.end() && (modifiers || b->second == MouseButton::kRight)) {
      options->button = b->second;
    } else if (const unsigned mod = modifiers ? ModifierOf(words[i]) : 0;
               mod == testing::kCtrl || mod == testing::kShift) {
      options->mods |= mod;
    } else {
      return "unknown click option \"" + words[i] + "\"";
    }
  }
  return "";
}

// Reads `count` whole numbers from the words.
bool ReadNumbers(const std::vector<std::string>& words, std::size_t from, std::size_t count,
                 std::vector<int>* numbers) {
  numbers->clear();
  for (std::size_t i = from; i < from + count; ++i) {
    const std::optional<int> n = i < words.size() ? ParseInt(words[i]) : std::nullopt;
    if (!n) return false;
    numbers->push_back(*n);
  }
  return true;
}

void ClickWith(Window& window, Point point, const ClickOptions& options) {
  if (options.twice) {
    testing::DoubleClick(window, point, options.button, options.mods);
  } else {
    testing::Click(window, point, options.button, options.mods);
  }
}

std::string DoClick(const Step& step) {
  const std::vector<std::string> words = Words(step.args);
  std::vector<int> xy;
  if (!ReadNumbers(words, 0, 2, &xy)) return "a click needs X Y";
  ClickOptions options;
  if (std::string why = ReadClickOptions(words, 2, true, &options); !why.empty()) return why;
  Window* view = ActiveView();
  if (!view) return "no active view";
  ClickWith(*view, Point{xy[0], xy[1]}, options);
  return "";
}

std::string DoDrag(const Step& step) {
  const std::vector<std::string> words = Words(step.args);
  std::vector<int> n;
  if (!ReadNumbers(words, 0, 4, &n) || words.size() != 4) return "a drag needs X1 Y1 X2 Y2";
  Window* view = ActiveView();
  if (!view) return "no active view";
  const Point from{n[0], n[1]};
  const Point to{n[2], n[3]};
  testing::MouseDown(*view, from);
  constexpr int kMoves = 4;
  for (int i = 1; i <= kMoves; ++i) {
    testing::MouseMove(*view, Point{from.x + (to.x - from.x) * i / kMoves, from.y + (to.y - from.y) * i / kMoves},
                       MK_LBUTTON);
  }
  testing::MouseUp(*view, to);
  return "";
}

// The dialog now active and the control id of the step's first field.
struct DialogControl {
  Dialog* dialog = nullptr;
  UINT id = 0;
  std::vector<std::string> fields;
  std::string rest;
};

std::string FindControl(const Step& step, std::size_t fields, DialogControl* found) {
  if (!SplitFields(step.args, fields, &found->fields, &found->rest)) return "too few fields";
  const std::optional<int> id = ParseInt(found->fields[0]);
  if (!id || *id < 0 || *id > 0xFFFF) return "not a control id \"" + found->fields[0] + "\"";
  found->dialog = ActiveDialog();
  if (!found->dialog) return "no dialog open";
  found->id = static_cast<UINT>(*id);
  if (!found->dialog->GetDlgItem(found->id)) {
    return "no such control " + found->fields[0] + " in the dialog \"" + Cp1252ToUtf8(found->dialog->Caption()) + "\"";
  }
  return "";
}

std::string DoSet(const Step& step) {
  DialogControl c;
  if (std::string why = FindControl(step, 1, &c); !why.empty()) return why;
  Window* control = c.dialog->GetDlgItem(c.id);
  if (!control->IsWindowVisible() || !control->IsWindowEnabled()) return "the control " + c.fields[0] + " is disabled";
  testing::TypeInto(*c.dialog, c.id, Utf8ToCp1252(c.rest));
  return "";
}

std::string DoCheck(const Step& step) {
  DialogControl c;
  if (std::string why = FindControl(step, 2, &c); !why.empty()) return why;
  if ((c.fields[1] != "0" && c.fields[1] != "1") || !c.rest.empty()) return "a check is 0 or 1";
  if (!testing::SetChecked(*c.dialog, c.id, c.fields[1] == "1")) {
    return "the control " + c.fields[0] + " cannot be checked";
  }
  return "";
}

std::string DoChoose(const Step& step) {
  DialogControl c;
  if (std::string why = FindControl(step, 2, &c); !why.empty()) return why;
  const std::optional<int> index = ParseInt(c.fields[1]);
  if (!index || !c.rest.empty()) return "not an index \"" + c.fields[1] + "\"";
  return testing::Choose(*c.dialog, c.id, *index) ? "" : "the control " + c.fields[0] + " has no entry " + c.fields[1];
}

std::string DoPress(const Step& step) {
  DialogControl c;
  if (std::string why = FindControl(step, 1, &c); !why.empty()) return why;
  if (!c.rest.empty()) return "press takes one control id";
  return testing::Press(*c.dialog, c.id) ? "" : "the button " + c.fields[0] + " is disabled";
}

std::string DoClickIn(const Step& step) {
  DialogControl c;
  if (std::string why = FindControl(step, 1, &c); !why.empty()) return why;
  const std::vector<std::string> words = Words(c.rest);
  std::vector<int> xy;
  if (!ReadNumbers(words, 0, 2, &xy)) return "click-in needs ID X Y";
  ClickOptions options;
  if (std::string why = ReadClickOptions(words, 2, false, &options); !why.empty()) return why;
  Window* control = c.dialog->GetDlgItem(c.id);
  if (!control->IsWindowVisible() || !control->IsWindowEnabled()) return "the control " + c.fields[0] + " is disabled";
  ClickWith(*control, Point{xy[0], xy[1]}, options);
  return "";
}

std::string DoViewSize(const Step& step) {
  const std::vector<std::string> words = Words(step.args);
  std::vector<int> size;
  if (!ReadNumbers(words, 0, 2, &size) || words.size() != 2 || size[0] <= 0 || size[1] <= 0 || size[0] > 16384 ||
      size[1] > 16384) {
    return "view-size needs W H (1 to 16384)";
  }
  FrameWnd* frame = MainFrame();
  Window* view = ActiveView();
  if (!frame || !view) return "no active view";
  if (frame->IsZoomed() || frame->IsIconic()) frame->ShowWindow(SW_RESTORE);
  // The bars may wrap at the new width: measure again after each sizing.
  for (int round = 0; round < 4; ++round) {
    testing::PumpMessages();
    Rect client;
    view->GetClientRect(&client);
    if (client.Width() == size[0] && client.Height() == size[1]) return "";
    Rect outer;
    frame->GetWindowRect(&outer);
    frame->SetWindowPos(nullptr, 0, 0, outer.Width() + size[0] - client.Width(),
                        outer.Height() + size[1] - client.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  Rect client;
  view->GetClientRect(&client);
  return "the view is " + std::to_string(client.Width()) + " x " + std::to_string(client.Height()) + " pixels";
}

std::string DoSnapshot(const Step& step, const std::string& folder) {
  if (step.args.empty()) return "snapshot needs a file";
  Window* window = ActiveTopLevel();
  if (!window) return "no window to show";
  const std::string path = step.args[0] == '/' ? step.args : folder + step.args;
  const Bitmap pixels = testing::WindowPixels(*window);
  const common::Result saved = pixels.Save(path);
  return saved ? "" : saved.text();
}

std::string DoClose(const Step& step) {
  if (!step.args.empty()) return "close takes nothing";
  Window* main = MainFrame();
  if (!main) main = ActiveTopLevel();
  if (!main) return "no main frame";
  main->PostMessage(WM_CLOSE);
  return "";
}

std::string NoCommonDialog(const Step& step) {
  return step.verb == "folder" ? "no folder dialog open" : "no file dialog open";
}

}  // namespace

std::string MenuItemName(std::string_view text) {
  std::string name;
  for (std::size_t i = 0; i < text.size() && text[i] != '\t'; ++i) {
    if (text[i] == '&') {
      if (i + 1 < text.size() && text[i + 1] == '&') name += text[++i];
      continue;
    }
    name += text[i];
  }
  return name;
}

std::string PerformStep(const Step& step, const std::string& folder) {
  static const std::map<std::string, std::function<std::string(const Step&)>> acts{
      {"menu", DoMenu},         {"command", DoCommand},      {"key", DoKey},         {"keydown", DoKey},
      {"keyup", DoKey},         {"type", DoType},            {"wheel", DoWheel},     {"click", DoClick},
      {"drag", DoDrag},         {"set", DoSet},              {"check", DoCheck},     {"choose", DoChoose},
      {"press", DoPress},       {"click-in", DoClickIn},     {"view-size", DoViewSize}, {"close", DoClose},
      {"file", NoCommonDialog}, {"folder", NoCommonDialog},  {"cancel", NoCommonDialog},
  };
  if (step.verb == "snapshot") return DoSnapshot(step, folder);
  const auto act = acts.find(step.verb);
  if (act == acts.end()) return "unknown step \"" + step.verb + "\"";
  return act->second(step);
}

}  // namespace plat::script
