#pragma once
// The state of the load input: one object holds what PUNDF knows of a position.
//
//   position   where the files lie (data path and extension).
//   geometry   the frame as the geometry input stored it (PARAMR, ELEMENTS,
//              CROSS, NODES, LKNOTENR, EXTENSIOR); read once, never written here.
//   diary      DIARY: the stored load cases in the order of their first store.
//   load_case  the load case being edited: its PL block and its tables.
//   settings   the settings folder (pen width, solver start files).
//   editor     what the load editor keeps beside the load case.
//
// Counts: the tables' own counts are what a store writes. `load_case.line_loads`
// holds the user's line loads only (PL byte 30); the gravity loads are built by
// every store and are not kept. PL byte 14 counts the records of LLOAD, which is
// the user count after a read and the user plus gravity count after a store.
// Notes are kept slot by slot beside their loads (slot k belongs to load k).
#include <array>
#include <cstdint>

#include "common/position/position.h"
#include "common/records/capacities.h"
#include "common/records/drawing_extents.h"
#include "common/records/frame_params.h"
#include "common/records/load_case_diary.h"
#include "common/records/load_case_params.h"
#include "common/records/load_tables.h"
#include "common/records/model_tables.h"
#include "common/settings.h"
#include "loads/picture/label_memory.h"

namespace pundf {

class RebuiltEcho;
class StagedFiles;

struct Geometry {
  common::FrameParams params;
  common::ElementTable elements;
  common::CrossSectionTable cross_sections;
  common::NodeTable nodes;
  common::NodeRefTable supports;  // the geometry's supports, without settlements
  common::DrawingExtents extents = common::DrawingExtents::Default();
  int drawing_step = 0;  // grid step of the drawing, from the extents

  int element_count() const { return elements.count(); }
  int node_count() const { return nodes.count(); }
};

struct LoadCase {
  common::LoadCaseParams params;
  common::PointLoadTable point_loads;
  common::PointLoadNotes point_notes;
  common::LineLoadTable line_loads;  // user loads only
  common::LineLoadNotes line_notes;
  // One record per element 1..element count.
  common::TemperatureTable temperatures;
  // The geometry's supports with this load case's settlements.
  common::NodeRefTable settlements;
  common::PrestressTable prestress;

  int number() const { return params.load_case(); }
};

struct EditorState {
  // Drawing pen width (PUNDRDB), 1 when none is stored.
  int pen_width = 1;
  // The load case has not been stored yet ("LC NEW").
  bool new_case = false;
  // The PL block as last loaded, stored or rebuilt: the change test compares
  // against it.
  common::LoadCaseParams saved;
  // The picture's value per element 1..element count (slot 0 unused).
  std::array<std::int32_t, common::kMaxElements + 1> element_marks{};
  // Where the load picture's labels stand and what it drew last.
  picture::LabelMemory labels;
};

struct LoadModel {
  common::Position position;
  common::SettingsContext settings;
  Geometry geometry;
  common::LoadCaseDiary diary;
  LoadCase load_case;
  EditorState editor;
  // Where a store stages its files (the owner commits them); null: a store commits its own.
  StagedFiles* staged = nullptr;
  // While every load case is rebuilt from the echo text, that text: a store puts its echo entry
  // in place of its own there, and the rebuild completes and stages the text at its end. Null
  // otherwise.
  RebuiltEcho* rebuilt_echo = nullptr;
};

// The load case `number` without loads: its number and text set, the
// temperature table sized to the frame, the settlements those of the geometry
// (none settled).
LoadCase EmptyLoadCase(const Geometry& geometry, int number);

}  // namespace pundf
