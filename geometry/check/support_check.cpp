#include "geometry/check/support_check.h"

#include <string>
#include <utility>

#include "geometry/check/kinematic_check.h"
#include "geometry/check/stiffness_assembly.h"
#include "geometry/check/translation_check.h"
#include "geometry/model/model_files.h"
#include "geometry/model/support_stiffness.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

void WriteSupportListing(const std::string& path, float support_stiffness, CheckReport& report) {
  plat::TextWriter out;
  if (!out.Open(path)) {
    report.Show(CannotStore(path));
    return;
  }
  out.Printf("Support stiffness = %.3E", static_cast<double>(support_stiffness));
  if (!out.Close()) report.Show(CannotStore(path));
}

}  // namespace

std::optional<mechanics::Matrix> SupportCheck(FrameModel& model, const common::Position& position,
                                              CheckReport& report) {
  const float support_stiffness = SupportStiffness(model);
  model.params.set_support_stiffness(support_stiffness);
  WriteSupportListing(position.FolderFile(kSupportListing), support_stiffness, report);

  common::Outcome<mechanics::Matrix> k = AssembleStiffness(model, model.params.equation_count(), support_stiffness);
  if (!k.ok()) {
    report.Show(k.failure());
    return std::nullopt;
  }
  KinematicCheck(model, position, *k, report);
  if (report.end_program) return std::nullopt;
  if (k->size() > 0) {
    if (TranslatesFreely(*k, model, Translation::kSideways)) {
      report.Show(common::Result::Fail("Frame can roll sideways!", "Error"));
    }
    if (TranslatesFreely(*k, model, Translation::kVertical)) {
      report.Show(common::Result::Fail("Frame is not anchored at the ground!", "Error"));
    }
  }
  return std::move(*k);
}

}  // namespace kelmf
