#include "geometry/check/inverse_files.h"

#include <cstddef>
#include <string>
#include <utility>

#include "common/records/flex_max_record.h"
#include "geometry/check/matrix_files.h"
#include "geometry/model/model_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

float Flexibility(const mechanics::Vector& diagonal, int equation) { return static_cast<float>(diagonal[equation]); }

int NodeOf(const FrameModel& model, int equation) {
  return equation >= 1 && equation <= model.dofs.count() ? model.dofs[equation].node() : 0;
}

void WriteListing(const FrameModel& model, const std::string& path, const std::vector<int>& ranked,
                  const mechanics::Vector& diagonal, CheckReport& report) {
  plat::TextWriter out;
  if (!out.Open(path)) {
    report.Show(CannotStore(path));
    return;
  }
  out.Write("Entries on the diagonal of the inverse (= flexibility matrix) from max --> min\n\n");
  int k = static_cast<int>(ranked.size());
  for (int equation : ranked) {
    out.Printf("%i   %3i   %.3E  %s\n", k--, equation, static_cast<double>(Flexibility(diagonal, equation)),
               EquationLabel(model, equation).c_str());
  }
  if (!out.Close()) report.Show(CannotStore(path));
}

std::vector<common::FlexMaxRecord> FlexMaxRecords(const FrameModel& model, const std::vector<int>& ranked,
                                                  const mechanics::Vector& diagonal) {
  std::vector<common::FlexMaxRecord> records;
  records.reserve(ranked.size());
  for (int equation : ranked) {
    common::FlexMaxRecord record;
    record.set_node(NodeOf(model, equation));
    record.set_equation(equation);
    record.set_flexibility(Flexibility(diagonal, equation));
    records.push_back(record);
  }
  return records;
}

}  // namespace

void DeleteInverseFiles(const common::Position& position) {
  for (const char* name : {kInverseFile, kFlexDiagonalFile, kFlexMaxFile}) plat::RemoveFile(position.File(name));
}

std::vector<int> RankByFlexibility(const mechanics::Vector& diagonal) {
  // A bubble sort that exchanges only strictly greater neighbours, read backwards.
  const int n = diagonal.size();
  std::vector<int> order;
  for (int j = 1; j <= n; ++j) order.push_back(j);
  for (int pass = n - 1; pass >= 1; --pass) {
    for (int i = 0; i < pass; ++i) {
      auto& a = order[static_cast<std::size_t>(i)];
      auto& b = order[static_cast<std::size_t>(i) + 1];
      if (Flexibility(diagonal, a) > Flexibility(diagonal, b)) std::swap(a, b);
    }
  }
  return std::vector<int>(order.rbegin(), order.rend());
}

std::string EquationLabel(const FrameModel& model, int equation) {
  if (equation < 1 || equation > model.dofs.count()) return {};
  const common::DofRecord& dof = model.dofs[equation];
  const char* what = dof.kind() == common::DofRecord::kU   ? "ux"
                     : dof.kind() == common::DofRecord::kV ? "uy"
                     : dof.kind() == common::DofRecord::kRotation ? "phi"
                                                                  : nullptr;
  if (what == nullptr) return {};
  return std::string(what) + " at Node " + std::to_string(dof.node());
}

bool WriteInverseFiles(const FrameModel& model, const common::Position& position, const mechanics::Inverse& inverse,
                       CheckReport& report) {
  const mechanics::Vector& diagonal = inverse.diagonal;
  const int n = diagonal.size();
  const std::string inverse_path = position.File(kInverseFile);
  if (!WriteSquareFile(inverse_path, inverse.columns)) {
    report.Show(CannotStore(inverse_path));
    return false;
  }
  const std::string diagonal_path = position.File(kFlexDiagonalFile);
  if (!plat::WriteBlock(diagonal_path, diagonal.data() + 1, static_cast<std::size_t>(n) * sizeof(double))) {
    report.Show(CannotStore(diagonal_path));
    return false;
  }
  const std::vector<int> ranked = RankByFlexibility(diagonal);
  WriteListing(model, position.FolderFile(kFlexMaxListing), ranked, diagonal, report);
  const std::vector<common::FlexMaxRecord> records = FlexMaxRecords(model, ranked, diagonal);
  const std::string flexmax_path = position.File(kFlexMaxFile);
  if (!plat::WriteBlock(flexmax_path, records.data(), records.size() * sizeof(common::FlexMaxRecord))) {
    report.Show(CannotStore(flexmax_path));
    return false;
  }
  return true;
}

}  // namespace kelmf
