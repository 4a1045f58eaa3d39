#pragma once
// The state of one solver run: where it works, its walk over the solver job,
// the tables of the pass in work and its results. Every pass reads its input
// afresh into the same object.
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/records/frame_params.h"
#include "common/records/load_case_diary.h"
#include "common/records/load_case_params.h"
#include "common/records/load_tables.h"
#include "common/records/model_tables.h"
#include "common/records/solver_job.h"
#include "common/result.h"
#include "mechanics/dense_matrix.h"
#include "mechanics/dense_vector.h"
#include "mechanics/sample_lines.h"

namespace zedir {

// The most equations a frame may have; the displacement vector has room for them.
inline constexpr int kMaxEquations = 1000;

// The prescribed displacements (settlements) of a load case.
struct Settlements {
  std::vector<int> dofs;        // equation of component k, k = 0..m-1
  std::vector<double> values;   // its prescribed displacement
  std::vector<double> forces;   // the force that produces it, added to the load vector
  int count() const { return static_cast<int>(dofs.size()); }
};

// Which curve files of an element were written in this pass.
struct CurveFilesWritten {
  bool u = false, w = false, m = false, v = false, n = false;
};

// The curves of one element in its own axes, as its curve files hold them.
struct ElementResult {
  mechanics::SampleLine u, w, m, v, n;
  CurveFilesWritten written;
};

// The walk over the solver job.
struct JobState {
  bool present = false;     // the job file existed at the latest pass
  common::SolverJob job;    // as last read
  int entry_index = 0;      // the entry in work, 1-based; 0 before the first pass
  int entry_count = 0;      // the job's count as last read, at most 100
  int step_counter = 0;     // the passes made on the entry in work
  bool abandoned = false;   // a failure left nothing more to compute
};

struct Run {
  // Where the run works.
  std::string position_name;  // kept from pass to pass when EXTR is missing
  common::Position position;
  std::string trace_folder;   // ends with "/"; empty without the developer marker

  JobState job;
  int load_case = 0;            // CurrentLoadCase
  std::string load_case_text;   // CurrentLoadCaseText, "0%d"
  std::string page_label;       // "D%d" of the listing page in work (of the next one before any is written)
  std::string page_file;        // its file, position folder + label + ".TXT"
  int page_number = 0;          // its number, written into LASTD once the page is there

  // The model.
  common::FrameParams params;
  common::LoadCaseDiary diary;
  bool matrix_present = false;  // MATRIX exists in the position folder
  common::MaterialTable materials;
  common::CrossSectionTable sections;
  common::ElementTable elements;
  common::NodeTable nodes;
  common::NodeRefTable supports;  // of the geometry, or the settlements of the load case

  // The load case.
  common::LoadCaseParams load_case_params;
  common::PointLoadTable point_loads;
  common::LineLoadTable line_loads;
  common::TemperatureTable temperatures;  // by element; empty without temperature loads

  // The solution of the load case.
  mechanics::Matrix inverse;        // K^-1 from INVERSE; row r is also column r
  mechanics::Vector load_vector;    // f, entries 1..n
  Settlements settlements;
  // u: entry i belongs to equation i = 1..n; entry 0 and the entries beyond n are 0.
  std::vector<double> displacements = std::vector<double>(kMaxEquations + 1, 0.0);

  // The results of the load case.
  mechanics::Vector nodal_forces;              // K u, with the support reactions at the supported equations
  std::vector<float> support_reactions;        // KLAGER: entry d of equation d = 1..n; entry 0 unused
  std::vector<ElementResult> element_results;  // by element 1..m; slot 0 unused
  std::vector<float> energies;                 // entry e of element e; entry 0 the largest

  // The Green functions of the nodal displacements depend on the model alone (elements, nodes,
  // K^-1), not on the load case: a pass over the same model takes those of the pass before.
  struct GreenMemo {
    std::vector<std::byte> model;  // the bytes they were computed from
    std::vector<float> blocks;
  } green_memo;

  int equation_count() const { return params.equation_count(); }
  // Whether another pass has a load case to compute.
  bool HasFurtherPass() const;
};

// Marks the run as finished by a failure that every further pass would meet
// too (no position, no model, no job), and hands the failure on.
common::Result Abandon(Run& run, common::Result failure);

}  // namespace zedir
