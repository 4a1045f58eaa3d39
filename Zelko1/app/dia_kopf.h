#pragma once
// Dialog 130 "Kopf- und Fußzeilen": the ten texts of the page form, Erste
// Seite the number of the next page to print.
#include <array>
#include <string>

#include "common/page/page_header_file.h"
#include "platform/dialogs/dialog.h"

namespace zevril {

inline constexpr plat::UINT kDiaKopfTemplate = 130;
// The edit controls of the fields, in the order of the page form's file.
inline constexpr plat::UINT kAuthorEdit = 1000;
inline constexpr plat::UINT kProgramEdit = 1001;
inline constexpr plat::UINT kBuildingEdit = 1002;
inline constexpr plat::UINT kPartEdit = 1005;
inline constexpr plat::UINT kBlockEdit = 1006;
inline constexpr plat::UINT kProcessEdit = 1007;
inline constexpr plat::UINT kFileNumberEdit = 1003;
inline constexpr plat::UINT kArchiveNumberEdit = 1008;
inline constexpr plat::UINT kDateEdit = 1004;
inline constexpr plat::UINT kFirstPageEdit = 1009;

// The focus starts in the first field, Verfasser (1000).
class CDiaKopf : public plat::Dialog {
 public:
  explicit CDiaKopf(plat::Window* owner = nullptr);

  // The ten texts, indexed like common::PageHeader::Field (kAuthor .. kFirstPage).
  std::array<std::string, common::PageHeader::kFontSize> texts;
  // Erste Seite as a number, after OK.
  int first_page = 1;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
};

}  // namespace zevril
