#pragma once
// Echo texts for the tests: raw file bytes, CR LF line ends, the model rebuilt
// from a text, and a model loaded back from the binary files alone.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "geometry/echo/echo_reader.h"
#include "geometry/echo/text_input.h"
#include "geometry/tests/frame_builder.h"
#include "platform/binary_io.h"

namespace kelmf::testing {

// One element of 5 m, its two nodes, the first fixed in x and z.
inline constexpr const char* kSmallFrame =
    "TITEL\n"
    "Small frame\n"
    "MATERIAL\n"
    "1\n"
    "1 30000000.00 0.200000\n"
    "CROSSECTIONS\n"
    "1\n"
    "1 0.300 0.500 1.5000E-01 3.1250E-03\n"
    "ELEMENTS\n"
    "1\n"
    "1 0.00 0.00 5.00 0.00 0 0 1 1 1 1\n"
    "NODES\n"
    "2\n"
    "1 0.00 0.00  1.0000E+00  1.0000E+00  0.0000E+00\n"
    "2 5.00 0.00  0.0000E+00  0.0000E+00  0.0000E+00\n"
    "SUPPORTS\n"
    "1\n"
    "1 1.000000 1.000000 0.000000\n";

// Every "\n" of `text` as CR LF.
inline std::string Crlf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size())) << path;
}

inline std::string ReadBytes(const std::string& path) {
  auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return "<missing " + path + ">";
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

// A model as the start-up load leaves it before a rebuild: defaults, reset
// FrameParams.
inline FrameModel StartModel() { return Frame({}); }

// Puts `bytes` into the position folder as `name`, reads it and converts it
// into `model`.
inline common::Result RebuildFromBytes(FrameModel& model, const common::Position& position, std::string_view bytes,
                                       const std::string& name = "ECHO_G.12.TXT") {
  WriteBytes(position.folder() + name, bytes);
  auto text = ReadEchoLines(position, name);
  if (!text) return text.failure();
  return ConvertTextInput(model, *text, position);
}

// The model as the model files of the position hold it (FrameParams only when
// PARAMR exists).
inline FrameModel LoadModelFiles(const common::Position& position) {
  namespace names = common::file_names;
  FrameModel model;
  auto params = common::ReadBlockRecord<common::FrameParams>(position.File(names::kFrameParams));
  if (params.status.ok()) model.params = params.record;
  auto elements = common::ReadTable<common::ElementTable>(position.File(names::kElements));
  auto nodes = common::ReadTable<common::NodeTable>(position.File(names::kNodes));
  auto supports = common::ReadTable<common::NodeRefTable>(position.File(names::kSupports));
  auto sections = common::ReadTable<common::CrossSectionTable>(position.File(names::kCrossSections));
  auto materials = common::ReadTable<common::MaterialTable>(position.File(names::kMaterials));
  EXPECT_TRUE(elements.status.ok() && nodes.status.ok() && supports.status.ok() && sections.status.ok() &&
              materials.status.ok());
  model.elements = elements.table;
  model.nodes = nodes.table;
  model.supports = supports.table;
  model.cross_sections = sections.table;
  model.materials = materials.table;
  return model;
}

}  // namespace kelmf::testing
