#include "shell/positions/solver_results.h"

#include <cctype>
#include <string>

#include "common/position/file_names.h"
#include "common/records/capacities.h"
#include "shell/files/same_name.h"

namespace quentaris {
namespace {

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}


}  // namespace

bool IsSolverCurveFile(std::string_view name, std::string_view ext) {
  if (name.size() <= ext.size() + 4 || !SameIgnoringCase(name.substr(name.size() - ext.size()), ext)) return false;
  if (std::string_view("UWMVN").find(name[0]) == std::string_view::npos || name[1] != '0') return false;
  const std::string_view middle = name.substr(1, name.size() - ext.size() - 1);  // "0" + lc + "E" + element
  const std::size_t e = middle.find('E');
  return e != std::string_view::npos && AllDigits(middle.substr(0, e)) && AllDigits(middle.substr(e + 1));
}

bool IsViewerCurveFile(std::string_view name) {
  return name.size() >= 3 && std::string_view("UWMSN").find(name[0]) != std::string_view::npos &&
         AllDigits(name.substr(1));
}

bool IsStateLineFile(std::string_view name) {
  for (std::string_view base : {common::file_names::kNormalStateLine, common::file_names::kMomentStateLine,
                                common::file_names::kShearStateLine}) {
    if (name.starts_with(base) && AllDigits(name.substr(base.size()))) return true;
  }
  for (std::string_view base : {common::file_names::kNormalSourceLine, common::file_names::kShearSourceLine}) {
    if (!name.starts_with(base)) continue;
    const std::string_view rest = name.substr(base.size());
    const std::size_t elm = rest.find("ELM");
    if (elm != std::string_view::npos && AllDigits(rest.substr(0, elm)) && AllDigits(rest.substr(elm + 3))) return true;
  }
  return false;
}

void DeleteSolverResults(const common::Position& position, FolderCleaner& cleaner) {
  const std::string& ext = position.ext();
  for (int k = 1; k <= common::kMaxLoadCases; ++k) {
    const std::string lc = common::CurrentLoadCaseText(k);
    for (std::string_view name : {"U", common::file_names::kReactions, common::file_names::kEnergies,
                                  common::file_names::kGreenDisplacements, "KFRAMESUP", "FLEXM", "FLEXN"}) {
      cleaner.RemoveJoinedFile({name, lc, ext});
    }
    for (std::string_view name : {common::file_names::kEnergies, "MATH_SUPPORTS", "MATH_SOL", "MATH_RHS", "AFPLUSM",
                                  "AFPLUSN"}) {
      cleaner.RemoveJoinedFile({name, lc, ".TXT"});
    }
    cleaner.RemoveJoinedFile({common::file_names::kLoadVector, lc});
  }
  for (std::string_view name : {"MATRIXYIELDS", "LUYIELDS"}) cleaner.RemoveJoinedFile({name, ext});
  cleaner.DeleteFilesWhere([&ext](std::string_view name) {
    return IsSolverCurveFile(name, ext) || IsViewerCurveFile(name) || IsStateLineFile(name);
  });
}

}  // namespace quentaris
