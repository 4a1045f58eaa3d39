#include "geometry/check/inverse_files.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string>
#include <utility>

#include "common/exponent_text.h"
#include "common/records/flex_max_record.h"
#include "geometry/check/matrix_files.h"
#include "geometry/model/model_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_block.h"

namespace kelmf {
namespace {

float Flexibility(const mechanics::Vector& diagonal, int equation) { return static_cast<float>(diagonal[equation]); }

int NodeOf(const FrameModel& model, int equation) {
  return equation >= 1 && equation <= model.dofs.count() ? model.dofs[equation].node() : 0;
}

// An integer as "%*i" writes it: blanks in front up to width.
char* AppendInteger(char* p, int value, int width) {
  char digits[16];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const std::ptrdiff_t length = end - digits;
  for (std::ptrdiff_t blank = length; blank < width; ++blank) *p++ = ' ';
  std::memcpy(p, digits, static_cast<std::size_t>(length));
  return p + length;
}

// "%i   %3i   %.3E  %s" per ranked equation, from the largest flexibility to the smallest.
void WriteListing(const FrameModel& model, const std::string& path, const std::vector<int>& ranked,
                  const mechanics::Vector& diagonal, CheckReport& report) {
  plat::TextBlock text;
  text.Append("Entries on the diagonal of the inverse (= flexibility matrix) from max --> min\n\n");
  int k = static_cast<int>(ranked.size());
  for (int equation : ranked) {
    const std::string label = EquationLabel(model, equation);
    char* p = text.Room(64 + common::kExponentTextRoom + label.size());
    p = AppendInteger(p, k--, 0);
    p = std::copy_n("   ", 3, p);
    p = AppendInteger(p, equation, 3);
    p = std::copy_n("   ", 3, p);
    p = common::FormatExponent(p, static_cast<double>(Flexibility(diagonal, equation)), 3, 0);
    p = std::copy_n("  ", 2, p);
    p = std::copy(label.begin(), label.end(), p);
    p = std::copy_n("\r\n", 2, p);
    text.Commit(p);
  }
  if (!text.WriteTo(path)) report.Show(CannotStore(path));
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
