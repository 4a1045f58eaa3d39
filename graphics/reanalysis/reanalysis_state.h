#pragma once
// What the views hold of a reanalysis of the modified frame: the picks, the steps and their
// table, the method, the figures of the last run and the stamp of the inverse in memory; and
// the view's side that a run tells its end to.
#include <cstdint>
#include <vector>

namespace revuzavi {

// The elements a person can pick in the views ("Max %i elements can be picked"); the report
// appends more.
inline constexpr int kMostPickedInViews = 20;

// A 1-based list of picked element or node numbers, without repeats, with room for `kRoom`.
class PickList {
 public:
  static constexpr int kRoom = 100;

  int count() const { return static_cast<int>(items_.size()); }
  bool empty() const { return items_.empty(); }
  // Entry k, 1..count.
  int operator[](int k) const { return items_.at(static_cast<std::size_t>(k - 1)); }
  bool Contains(int item) const;
  // Appends an item not yet listed; false when it is listed or the list is full.
  bool Add(int item);
  // Keeps the first n entries (0..count).
  void Truncate(int n);
  void Clear() { items_.clear(); }
  const std::vector<int>& items() const { return items_; }

 private:
  std::vector<int> items_;
};

// "Scales" but its first value, k, which is ViewerState::scales_factor.
struct ScalesParams {
  float element_eps = 1e-7f;     // error bound of element runs
  float node_eps = 1e-9f;        // error bound of node runs
  std::int32_t element_limit = 100000;
  std::int32_t node_limit = 500000;
};

// The iteration limit when "Scales" cannot be read.
inline constexpr std::int32_t kLimitWithoutScales = 50000;

// The INVERSE file whose rows are in ViewerState::inverse_rows.
struct InverseStamp {
  bool read = false;  // read in this run of the program
  int equations = 0;
  std::int64_t size = 0;
  std::int64_t time = 0;  // nanoseconds
};

// Per step S the pick counts the views keep; entry 0 is the stored frame.
struct StepTable {
  std::vector<std::int32_t> elements = std::vector<std::int32_t>(1, 0);
  std::vector<std::int32_t> nodes = std::vector<std::int32_t>(1, 0);
  // Both entries of step s, growing the table as needed (s >= 0).
  std::int32_t& element_count(int s);
  std::int32_t& node_count(int s);
  void Clear();
};

// The releases inserted into the loaded frame: their records follow the load case's own point
// loads, one per moment or shear release and two (the kink, then the jump) per cut.
struct ReleaseSet {
  int own_point_loads = 0;  // the load case's own point-load count while releases exist
  int moments = 0;
  int shears = 0;
  int cuts = 0;
  int count() const { return moments + shears + cuts; }
  int records() const { return moments + shears + 2 * cuts; }
};

// An element whose typed factor the direct method's rule for k near 0 replaced: its record holds
// the k solved with.
struct TypedFactor {
  int element = 0;
  float typed = 0.0f;
};

struct ReanalysisState {
  enum Method : int { kDirect = 0, kIterative = 1 };
  int method = kDirect;
  bool show_removed = false;  // removed elements stay drawn and switched on
  PickList picked_elements;   // the views allow 20 picks; a report appends more
  PickList picked_nodes;
  StepTable steps;
  int current_step = 0;  // the number of the working copies written
  int step_count = 0;    // steps made
  ScalesParams scales;
  // Figures of the last run.
  int iteration_count = 0;
  double first_error = 0.0;
  double last_error = 0.0;  // iterative: the bound of the true error, relative to the largest displacement
  bool converged = true;    // false: the iteration stopped at its limit
  // The typed k of the last picked element that the last run solved with the k of the direct
  // method's rule instead (0.01); below 0: none.
  float rule_typed_k = -1.0f;
  std::vector<TypedFactor> typed_factors;
  InverseStamp inverse;
  ReleaseSet releases;
  bool report_written = false;  // a progressive-failure report ran since the last reset
};

// The view's side of a run.
class ReanalysisView {
 public:
  virtual ~ReanalysisView() = default;
  // A run ended (with a result or stopped); the view marks the result as shown.
  virtual void OnRunEnded() {}
  virtual void Redraw() {}
  // The reset cleared the modifications: the view drops its picture flags.
  virtual void ClearPictureFlags() {}
};

}  // namespace revuzavi
