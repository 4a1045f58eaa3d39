#include "Zelko1/app/dia_kopf.h"

#include <cstdint>
#include <limits>

#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace zevril {
namespace {

using Field = common::PageHeader::Field;

struct FieldControl {
  Field field;
  plat::UINT id;
  const char* label;
};

// In the order of the tab stops.
constexpr FieldControl kControls[] = {
    {Field::kAuthor, kAuthorEdit, "&Verfasser:"},
    {Field::kProgram, kProgramEdit, "&Programm:"},
    {Field::kBuilding, kBuildingEdit, "Bau&werk:"},
    {Field::kFileNumber, kFileNumberEdit, "&ASB NR.:"},
    {Field::kDate, kDateEdit, "&Datum:"},
    {Field::kPart, kPartEdit, "Bau&teil:"},
    {Field::kBlock, kBlockEdit, "B&lock:"},
    {Field::kProcess, kProcessEdit, "V&organg:"},
    {Field::kArchiveNumber, kArchiveNumberEdit, "Archi&v-Nr.:"},
    {Field::kFirstPage, kFirstPageEdit, "&Erste Seite:"},
};

}  // namespace

CDiaKopf::CDiaKopf(plat::Window* owner) : Dialog(kDiaKopfTemplate, "Kopf- und Fu\xDF" "zeilen", owner) {}

void CDiaKopf::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  for (const FieldControl& c : kControls) form.Field(c.label).EditBox(c.id, 0x0080, 40);
  layout.OkCancel("OK", "Abbrechen");
}

void CDiaKopf::DoDataExchange(plat::DataExchange& dx) {
  for (const FieldControl& c : kControls) plat::DDX_Text(dx, c.id, texts[c.field]);
  if (dx.saving()) {
    // FSEITE holds 16 bits.
    plat::DDX_Text(dx, kFirstPageEdit, first_page);
    plat::DDV_MinMaxInt(dx, first_page, std::numeric_limits<std::int16_t>::min(),
                        std::numeric_limits<std::int16_t>::max());
  }
}

}  // namespace zevril
