#pragma once
// "Load cases": the diary's load cases, several of which are chosen for
// deletion; "&Delete" writes their marks to LCDEL (nothing when none is chosen).
#include <cstddef>
#include <string>
#include <vector>

#include "common/records/load_case_diary.h"
#include "platform/dialogs/dialog.h"

namespace pundf {

// One int16 per diary entry, 1 = keep, 0 = delete: the entries whose number
// is among `chosen` are cleared.
std::vector<std::byte> DeleteMarks(const common::LoadCaseDiary& diary, const std::vector<int>& chosen);

class CDiaLF : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 195;
  static constexpr plat::UINT kList = 1028;

  // `lcdel` is the file the marks go to.
  CDiaLF(const common::LoadCaseDiary& diary, std::string lcdel, plat::Window* owner);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  const common::LoadCaseDiary& diary_;
  std::string lcdel_;
};

}  // namespace pundf
