#include "geometry/position/store_position.h"

#include <string>
#include <utility>

#include "common/position/file_names.h"
#include "common/position/position_lock.h"
#include "common/settings_files.h"
#include "geometry/check/flexibility_diagonal.h"
#include "geometry/check/inverse_files.h"
#include "geometry/echo/echo_file.h"
#include "geometry/generators/generator_files.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/element_checks.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/position/load_position_files.h"

namespace kelmf {
namespace {

CheckReport Refused(common::Result failure) {
  CheckReport report;
  report.Show(std::move(failure));
  report.result = kModelCheckFailed;
  return report;
}

// The files no longer hold a checked frame: GEOMETRY 0, no inverse.
void GiveUpStoredGeometry(const common::Position& position) {
  (void)WriteGeometryMarker(0, position);
  DeleteInverseFiles(position);
}

CheckReport Stopped(common::Result failure, const common::Position& position) {
  GiveUpStoredGeometry(position);
  return Refused(std::move(failure));
}

// The model files, the echo text, the model check and the inverse.
CheckReport StoreModel(FrameModel& model, const common::Position& position) {
  // The store makes a new inverse: the stored geometry is given up before the
  // first model file is written, so that a store that stops half-way never
  // leaves GEOMETRY 1 over files of another frame (the inverse goes when it does).
  if (common::Result marker = WriteGeometryMarker(0, position); !marker) return Refused(std::move(marker));
  model.editor.stored_checksum = ParamsChecksum(model.params);

  if (common::Result extents = WriteDrawingExtents(model, position); !extents) {
    return Stopped(std::move(extents), position);
  }
  if (common::Result nodes = RebuildNodes(model, position); !nodes) return Stopped(std::move(nodes), position);
  if (common::Result echo = WriteEchoFile(EchoFilePath(position), model, position); !echo) {
    return Stopped(std::move(echo), position);
  }

  CheckReport report = FlexibilityDiagonal(model, position);
  if (!report.stored()) {
    GiveUpStoredGeometry(position);
    return report;
  }
  const std::string marker = position.File(common::file_names::kGeometryMarker);
  if (!common::WriteInt32File(marker, 1)) {
    report.Show(CannotStore(marker));
    report.result = kModelCheckFailed;
  }
  return report;
}

}  // namespace

common::Result CheckFrameToStore(const FrameModel& model) {
  if (model.elements.empty()) {
    return common::Result::Fail("The frame has no elements: there is nothing to store and check.", "Error");
  }
  return CheckElementsToWrite(model);
}

CheckReport StorePosition(FrameModel& model, const common::Position& position,
                          const common::SettingsContext& settings) {
  common::PositionLock lock;
  if (common::Result held = common::HoldPositionLock(lock, position); !held) {
    CheckReport report;
    report.Show(std::move(held));
    report.result = kModelCheckFailed;
    return report;
  }
  return StorePositionLocked(model, position, settings);
}

CheckReport StorePositionLocked(FrameModel& model, const common::Position& position,
                                const common::SettingsContext& settings) {
  if (common::Result frame = CheckFrameToStore(model); !frame) return Refused(std::move(frame));
  if (!common::EnsurePositionFolder(position)) {
    return Stopped(common::Result::Fail("Directory " + position.folder() + " cannot be generated!", "Error"),
                   position);
  }
  // EXTR tells the shell the position; one that cannot be written is named
  // after the store, which goes on without it.
  const std::string extr = common::SettingsWritePath(settings, "EXTR");
  const bool told = common::WriteTextBlock(extr, position.ext());
  CheckReport report = StoreModel(model, position);
  if (!told) report.Show(CannotStore(extr));
  return report;
}

}  // namespace kelmf
