#include "loads/dialogs/dia_copy.h"

#include <cstring>
#include <vector>

#include "loads/dialogs/number_fields.h"
#include "loads/editor/change_test.h"
#include "loads/manage/copy_load_case.h"
#include "platform/binary_io.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/whole_file.h"

namespace pundf {
namespace {

// The terminated text of a 241-byte field from `at` on.
std::string FieldText(const std::vector<std::byte>& bytes, std::size_t at) {
  std::string text;
  for (std::size_t i = at; i < bytes.size() && i < at + CDiaCopy::kFieldBytes - 1; ++i) {
    const char c = static_cast<char>(bytes[i]);
    if (c == '\0') break;
    text += c;
  }
  return text;
}

void PutField(std::vector<char>& bytes, std::size_t at, const std::string& text) {
  std::memcpy(bytes.data() + at, text.data(), std::min<std::size_t>(text.size(), CDiaCopy::kFieldBytes - 1));
}

}  // namespace

CDiaCopy::CDiaCopy(const common::Position& current, plat::Window* owner)
    : plat::Dialog(kTemplateId, "Copy a LC", owner), olcpick_(current.File("OLCPICK")) {
  const auto kept = plat::ReadWholeFile(olcpick_);
  if (kept && kept->size() >= 2u * kFieldBytes) {
    position_name = FieldText(*kept, 0);
    data_path = FieldText(*kept, kFieldBytes);
    return;
  }
  position_name = current.name();
  if (!position_name.empty() && position_name.back() == 'A') position_name.pop_back();
  // Without a kept source, the current data path rather than an empty one.
  data_path = current.data_path();
}

void CDiaCopy::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("Position").EditBox(kPositionEdit, 0x0080, 20);
  form.Field("LC").EditBox(kCaseEdit, 0x0080, 6);
  form.Field("Path Data").EditBox(kPathEdit, 0x0080, 40).SetLimitText(kFieldBytes - 1);
  auto shifts = layout.Group("Add to all coordinates the following shifts").Form();
  shifts.Field("x").EditBox(kShiftXEdit, 0x0080, 10);
  shifts.Field("y").EditBox(kShiftYEdit, 0x0080, 10);
  layout.Form().Field("Multiply load with this factor").EditBox(kFactorEdit, 0x0080, 10);
  layout.CheckBox("Add load to current LC", kAddCheck);
  auto buttons = layout.Row();
  buttons.DefPushButton("&OK", kOk);
  buttons.PushButton("&Stop", plat::IDCANCEL);
}

bool CDiaCopy::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  if (auto* edit = dynamic_cast<plat::Edit*>(GetDlgItem(kPositionEdit))) {
    GotoDlgCtrl(edit);
    edit->SetSel(0, -1);
  }
  return false;
}

void CDiaCopy::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, kPositionEdit, position_name);
  plat::DDX_Text(dx, kCaseEdit, number);
  plat::DDV_MinMaxInt(dx, number, 1, 99);
  plat::DDX_Text(dx, kPathEdit, data_path);
  plat::DDV_MaxChars(dx, data_path, kFieldBytes - 1);
  plat::DDX_Text(dx, kShiftXEdit, shift_x);
  plat::DDX_Text(dx, kShiftYEdit, shift_y);
  plat::DDX_Text(dx, kFactorEdit, factor_text);
  plat::DDX_Check(dx, kAddCheck, add);
}

bool CDiaCopy::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) != kOk) return plat::Dialog::OnCommand(wParam, lParam);
  if (!UpdateData(true)) return true;
  const auto x = TakeFieldNumber(*this, kShiftXEdit, "x");
  if (!x) return true;
  const auto y = TakeFieldNumber(*this, kShiftYEdit, "y");
  if (!y) return true;
  const auto f = TakeFieldNumber(*this, kFactorEdit, "Multiply load with this factor");
  if (!f) return true;
  shift = {*x, *y};
  factor = *f;
  std::vector<char> kept(2 * kFieldBytes, '\0');
  PutField(kept, 0, position_name);
  PutField(kept, kFieldBytes, data_path);
  plat::ReplaceWholeFile(olcpick_, kept.data(), kept.size());
  EndDialog(plat::IDOK);
  return true;
}

bool OnCopyLoadCase(EditorSession& session, plat::Window* owner) {
  CDiaCopy dialog(session.model.position, owner);
  if (dialog.DoModal() != plat::IDOK) return false;
  const CopySource source{common::Position(dialog.data_path, "." + dialog.position_name), dialog.number};
  const std::string pl = source.position.LoadCaseFile("PL", source.number);
  if (!plat::FileExists(pl)) {
    plat::MessageBox("The file " + pl + "is missing", "Load case does not exist!", plat::MB_OK);
    return false;
  }
  const common::Result copied =
      CopyLoadCase(session.model, source, dialog.add != 0 ? kCopyAdd : kCopyReplace,
                   dialog.shift[0], dialog.shift[1], dialog.factor);
  if (!copied.ok()) {
    plat::MessageBox(copied.text(), copied.caption(), plat::MB_OK);
    return false;
  }
  LoadsChanged(session);
  return true;
}

}  // namespace pundf
