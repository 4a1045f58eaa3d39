#pragma once
// A position in the test's own folder: the settings folder with EXTR and DPATH,
// the position folder, and writers of the model, job and load-case files.
#include <string>
#include <vector>

#include "Quon/tests/support/frame_builder.h"
#include "common/position/position.h"
#include "common/records/load_case_params.h"
#include "common/records/load_tables.h"
#include "common/records/model_tables.h"
#include "common/settings.h"

namespace zedir::testing {

struct LoadCaseFiles {
  common::LoadCaseParams params;  // counts and flags are set from the tables below
  common::PointLoadTable point_loads;
  common::LineLoadTable line_loads;
  common::TemperatureTable temperatures;  // written with the temperature flag when not empty
  common::PrestressTable prestress;       // written with the prestress flag when not empty
  common::NodeRefTable settlements;       // written with the settlement flag when not empty
};

class TestPosition {
 public:
  // Position "7" under <root>data/, settings in <root>settings; root ends with "/".
  explicit TestPosition(const std::string& root);

  const common::SettingsContext& settings() const { return settings_; }
  const common::Position& position() const { return position_; }
  std::string File(const std::string& base) const { return position_.File(base); }
  std::string LoadCaseFile(const std::string& base, int load_case) const {
    return position_.LoadCaseFile(base, load_case);
  }

  // PARAMR, MATR, CROSS, ELEMENTS, NODES, LKNOTENR, DIARY and GEOMETRY 1.
  void WriteModel(const FrameModel& model) const;
  // BATCH with one entry per load case; `count` overrides the count; `steps`
  // gives the step bytes of the first entries (the others 0).
  void WriteJob(const std::vector<int>& load_cases, int count = -1, const std::vector<int>& steps = {}) const;
  void WriteLoadCase(int load_case, const LoadCaseFiles& files) const;

 private:
  common::SettingsContext settings_;
  common::Position position_;
};

// Raw bytes of a file (empty when missing).
std::vector<std::byte> FileBytes(const std::string& path);
// The bytes of a file as a string (empty when missing).
std::string FileText(const std::string& path);
// The float and the double at a byte offset of a file's bytes.
float FloatAt(const std::vector<std::byte>& bytes, std::size_t offset);
double DoubleAt(const std::vector<std::byte>& bytes, std::size_t offset);
// The doubles of a file of doubles.
std::vector<double> FileDoubles(const std::string& path);
// The floats of a file of floats.
std::vector<float> FileFloats(const std::string& path);

}  // namespace zedir::testing
