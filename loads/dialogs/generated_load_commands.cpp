#include "loads/dialogs/generated_load_commands.h"

#include <cmath>

#include "loads/dialogs/dia_magnitude.h"
#include "loads/editor/change_test.h"
#include "loads/editor/load_case_commands.h"
#include "loads/generators/wind_snow.h"
#include "loads/store/store_load_case.h"
#include "platform/message_box.h"
#include "platform/window/cursor.h"

namespace pundf {
namespace {

void Show(const common::Result& message) { plat::MessageBox(message.text(), message.caption(), plat::MB_OK); }

// A magnitude below 0.01 is offered as `fallback`.
float Offered(float value, float fallback) { return std::fabs(value) < 0.01f ? fallback : value; }

}  // namespace

void StoreGenerated(EditorSession& session) {
  LoadsChanged(session);
  StoreReport stored;
  {
    plat::WaitCursor wait;
    stored = StoreLoadCase(session.model);
  }
  if (!stored.ok()) {
    Show(stored.refused);
    return;
  }
  for (const common::Result& message : stored.messages) Show(message);
  session.model.editor.new_case = false;
  TakeSavedCopy(session);
  session.title = LoadCaseTitle(session);
}

namespace {

template <class Dialog, class Generate>
bool OnGenerated(EditorSession& session, plat::Window* owner, float shown, Generate generate) {
  Dialog dialog(shown, owner);
  if (dialog.DoModal() != plat::IDOK) return false;
  generate(session.model, dialog.magnitude());
  StoreGenerated(session);
  return true;
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
