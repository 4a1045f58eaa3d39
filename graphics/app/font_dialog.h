#pragma once
// The picture's small choice dialogs: a list of values (1010) and an edit
// (1009) with the focus. CDiaFont chooses the text size factor, CDiaLF the
// load case to show.
#include <string>
#include <vector>

#include "common/records/load_case_diary.h"
#include "platform/controls/list_box.h"
#include "platform/dialogs/dialog.h"

namespace revuzavi {

inline constexpr plat::UINT kChoiceEdit = 1009;
inline constexpr plat::UINT kChoiceList = 1010;

// The value of a choice text: the first "," becomes "."; nullopt when the
// text is not a number.
std::optional<double> ChoiceNumber(std::string text);
// A typed number a float can hold (ChoiceNumber's rules); nullopt otherwise.
std::optional<float> TypedFloat(std::string text);

class ChoiceDialog : public plat::Dialog {
 public:
  ChoiceDialog(plat::UINT template_id, std::string_view caption, std::string_view label,
               std::vector<std::string> entries, std::string start, plat::Window* owner);

  // After OK: the selected entry, else the edit's text.
  const std::string& chosen() const { return chosen_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  std::string label_;
  std::vector<std::string> entries_;
  std::string start_;
  std::string chosen_;
  plat::ListBox list_;
};

// 132 "Fonts": 0.0 .. 2.0 in steps of 0.1; the factor stays when the choice is no number.
// The node of the node Green's function (324): the node numbers to pick, "1" typed.
class CDiaStartNodeGF : public ChoiceDialog {
 public:
  CDiaStartNodeGF(int node_count, plat::Window* owner);
  // After OK: the node, or 0 when the text is not one of 1..count.
  int node() const;

 private:
  int node_count_;
};

class CDiaFont : public ChoiceDialog {
 public:
  CDiaFont(double size, plat::Window* owner);
  double size() const;

 private:
  double start_;
};

// 138 "Load case": the diary's load cases; the current one unless another is chosen.
class CDiaLF : public ChoiceDialog {
 public:
  CDiaLF(const common::LoadCaseDiary& diary, int current, plat::Window* owner);
  int load_case() const;

 private:
  int current_;
};

}  // namespace revuzavi
