#pragma once
// "Import": the lines of a text list of line loads and the value they carry.
#include <string>
#include <vector>

#include "loads/editor/editor_session.h"
#include "platform/dialogs/dialog.h"

namespace pundf {

class CDiaImport : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 198;
  static constexpr plat::UINT kList = 1028;
  static constexpr plat::UINT kValueEdit = 1000;
  // Longer lines are cut.
  static constexpr std::size_t kLineChars = 299;

  CDiaImport(std::string path, plat::Window* owner);

  // After OK: the file's lines and the value typed (0 when empty).
  const std::vector<std::string>& lines() const { return lines_; }
  float value() const { return value_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  std::string path_;
  std::vector<std::string> lines_;
  float value_ = 0.0f;
};

// The command Import: a text file chosen, its lines shown, the line loads
// appended; true when the loads changed.
bool OnImportLineLoads(EditorSession& session, plat::Window* owner);

}  // namespace pundf
