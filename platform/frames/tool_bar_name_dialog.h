#pragma once
// The name of a tool bar a person makes or renames: one field; OK refuses an
// empty name, one too long or with control characters, and one another bar
// has, with a message, and the field keeps the focus.
#include <functional>
#include <string>
#include <string_view>

#include "platform/dialogs/dialog.h"

namespace plat {

class ToolBarNameDialog : public Dialog {
 public:
  static constexpr UINT kNameField = 1000;

  // `taken` tells whether another bar has a name.
  ToolBarNameDialog(std::string_view caption, std::string name, std::function<bool(std::string_view)> taken,
                    Window* owner);

  // The name typed, without blanks at its ends (after OK).
  const std::string& name() const { return name_; }

 protected:
  void BuildLayout(DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  std::string name_;
  std::function<bool(std::string_view)> taken_;
};

}  // namespace plat
