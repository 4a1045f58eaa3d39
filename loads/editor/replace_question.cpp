#include "loads/editor/replace_question.h"

#include <string>

#include "loads/model/diary.h"
#include "loads/model/read_load_case.h"
#include "platform/message_box.h"

namespace pundf {

bool HoldsLoads(const LoadCase& load_case) {
  const common::LoadCaseParams& p = load_case.params;
  return !load_case.point_loads.empty() || !load_case.line_loads.empty() || p.gravity_flag() != 0 ||
         p.temperature_flag() != 0 || p.settlement_flag() != 0 || p.prestress_flag() != 0;
}

bool StoredCaseHoldsLoads(const LoadModel& model, int number) {
  if (FindInDiary(model.diary, number) == 0) return false;
  LoadCase stored;
  if (!ReadLoadCaseFiles(model.position, model.geometry, number, stored).ok()) return true;
  return HoldsLoads(stored);
}

bool AskToReplace(int number) {
  return plat::MessageBox("Replace load case " + std::to_string(number) + "?", "Save ?",
                          plat::MB_YESNO | plat::MB_ICONQUESTION) == plat::IDYES;
}

}  // namespace pundf
