#include "loads/dialogs/generated_load_commands.h"

#include <cmath>
#include <functional>

#include "loads/dialogs/dia_magnitude.h"
#include "loads/editor/change_test.h"
#include "loads/editor/load_case_commands.h"
#include "loads/generators/wind_snow.h"
#include "loads/editor/replace_question.h"
#include "loads/manage/locked_store.h"
#include "platform/message_box.h"
#include "platform/window/cursor.h"

namespace pundf {
namespace {

void Show(const common::Result& message) { plat::MessageBox(message.text(), message.caption(), plat::MB_OK); }

// A magnitude below 0.01 is offered as `fallback`.
float Offered(float value, float fallback) { return std::fabs(value) < 0.01f ? fallback : value; }

}  // namespace

bool StoreGenerated(EditorSession& session, const std::function<void(LoadModel&)>& generate) {
  LoadModel& model = session.model;
  const int number = model.load_case.number();
  if ((HoldsLoads(model.load_case) || StoredCaseHoldsLoads(model, number)) && !AskToReplace(number)) return false;
  const LoadCase before = model.load_case;
  generate(model);
  LockedStoreReport stored;
  {
    plat::WaitCursor wait;
    stored = StoreLoadCaseLocked(model, false);
  }
  if (!stored.stored()) {
    // The load case stays in memory as it was before the command.
    model.load_case = before;
    Show(stored.refused);
    return false;
  }
  LoadsChanged(session);
  for (const common::Result& message : stored.messages) Show(message);
  model.editor.new_case = false;
  TakeSavedCopy(session);
  session.title = LoadCaseTitle(session);
  return true;
}

namespace {

template <class Dialog, class Generate>
bool OnGenerated(EditorSession& session, plat::Window* owner, float shown, Generate generate) {
  Dialog dialog(shown, owner);
  if (dialog.DoModal() != plat::IDOK) return false;
  const float value = dialog.magnitude();
  return StoreGenerated(session, [&](LoadModel& model) { generate(model, value); });
}

}  // namespace

bool OnLateralLoad(EditorSession& session, plat::Window* owner) {
  return OnGenerated<CDiaWind>(session, owner, Offered(session.model.load_case.params.wind_value(), 5.0f),
                               GenerateWindLoadCase);
}

bool OnSnowLoad(EditorSession& session, plat::Window* owner) {
  return OnGenerated<CDiaSnow>(session, owner, Offered(session.model.load_case.params.snow_value(), 1.0f),
                               GenerateSnowLoadCase);
}

}  // namespace pundf
