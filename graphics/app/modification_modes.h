#pragma once
// The picture view's modes of a local modification (keys C, F, G, H, J, P) and
// what it keeps beside the reanalysis run: the picks set aside while Space
// shows the stored frame, the order of all picks for stepping, and the
// iteration line of the title.
#include <string>
#include <vector>

#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"
#include "platform/dc/gdi_types.h"

namespace revuzavi {

// The hints of the modes.
inline constexpr const char* kElementHint = "Click on elements!";
inline constexpr const char* kSupportHint = "Click on elements or supports!";
inline constexpr const char* kFinishedHint = "When finished: Press ESC-key to reset system";

struct ModificationModes {
  bool one_click = false;    // C, and J with it
  bool hinge = false;        // F: a plastic hinge at the next pick
  bool shear_hinge = false;  // G
  bool cut = false;          // H
  bool springs = false;      // J: picks may be supports
  bool p_mode = false;       // P
  bool under_way = false;    // picks change the frame
  // Space showed the stored frame: the modified one waits in the copies of step 1.
  bool parked = false;
  PickList parked_elements;
  PickList parked_nodes;
  ReleaseSet parked_releases;
  // Every pick in order; a step's picks are its first entries.
  PickList history_elements;
  PickList history_nodes;
  int kept_point_loads = 0;  // the load case's own point loads when a mode began
  // The releases after each release step (entry 0: none), and the step shown.
  std::vector<ReleaseSet> release_steps;
  int release_step = 0;
  // The figures of the run that made each step (entry 0: the stored frame, none), for its title.
  struct RunFigures {
    int iterations = 0;
    double first_error = 0.0;
    double last_error = 0.0;
    bool converged = true;
    float rule_typed_k = -1.0f;
  };
  std::vector<RunFigures> step_figures;
  bool forces_fplus = false;  // the picture "Forces f+ " is shown
  int forces_fplus_total = 0;  // the forces of the file; the picture shows the first 100

  bool AnyReleaseMode() const { return hinge || shear_hinge || cut; }
  // The pick cursor shows over the view.
  bool PickCursor() const { return one_click || AnyReleaseMode() || springs || p_mode; }
};

// A drag of the left button: the rubber band of an enlarged section, or a
// value label (its box of the last drawing) held at the cursor.
struct MouseDrag {
  bool band = false;
  plat::Point start;
  plat::Point last;
  int label = 0;
};

// While alive, the point loads drawn are the forces f+ alone (none given:
// the load case's own loads stay).
class ForcesFPlusShown {
 public:
  ForcesFPlusShown(ViewerState& state, const common::PointLoadTable* forces);
  ~ForcesFPlusShown();
  ForcesFPlusShown(const ForcesFPlusShown&) = delete;
  ForcesFPlusShown& operator=(const ForcesFPlusShown&) = delete;

 private:
  ViewerState& state_;
  bool shown_ = false;
  common::PointLoadTable kept_loads_;
  common::LoadCaseParams kept_params_;
};

// "Forces f+ ", or "Forces f+ (first %i of %i) " when the picture shows fewer than the file holds.
std::string ForcesFPlusName(int shown, int total);

// Status pane 2, the first that applies: "k = %.2f   C-key has been pressed"
// (F, G, H, P alike), the only-x or only-y text, else "k = %.2f". Where the
// direct method's rule will solve an element with another k than the typed
// one, the k reads "k = 0.01 (typed 0.001)" (KText); not for the releases.
std::string ModeStatusText(const ModificationModes& modes, bool only_x, bool only_y, float k, bool direct);

// "k = %.2f" of the typed k, or "k = %.3g (typed %.3g)" with the k solved
// with when the direct method's rule replaces it.
std::string KText(float k, bool direct);

// The iteration line of the title after a run with at least one iteration:
// its count, the picked elements and nodes and the bound of the error; in the
// one-click mode also the step shown and the number of steps; "not converged"
// when the iteration stopped at its limit. After a run that solved an element
// with the k of the direct method's rule, "  k = 0.01 (typed 0.001)" follows.
// Empty otherwise.
std::string IterationLine(const ReanalysisState& run, bool one_click);

// The title during a modification: "Position %s %s LC %i of %i %s %s" with the
// picture name and the iteration line.
std::string ModificationTitle(const std::string& position, const std::string& load_case_title, int load_case,
                              int load_cases, const std::string& picture, const std::string& line);

// Whether a click at (x, z) lies within a quarter of the element's length of
// its end a (0), of its end b (1), or between (2).
int ReleasePlace(float xa, float za, float xb, float zb, float x, float z);

// The station 0..50 of (x, z) along the element: its distance from end a in
// fiftieths of the length.
int StationAlong(float xa, float za, float xb, float zb, float x, float z);

}  // namespace revuzavi
