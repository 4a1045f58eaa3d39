#include "loads/store/load_listing.h"

#include <cctype>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/store/gravity_loads.h"
#include "loads/store/staged_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace pundf {
namespace {

const std::string kRule73(73, '-');
const std::string kRule71(71, '-');

void Line(plat::TextWriter& f, const std::string& text) { f.Write(" " + text + "\n"); }

const char* KindLabel(int kind) {
  switch (kind) {
    case 2:
      return "Kink";
    case 4:
      return "Vertical Dislocation";
    case 5:
      return "Horizontal Dislocation ";
    default:
      return "";
  }
}

void WriteGravity(plat::TextWriter& f, const LoadModel& model) {
  const auto& p = model.load_case.params;
  const auto& g = model.geometry;
  double sum = 0.0;
  for (int e = 1; e <= g.element_count(); ++e) sum += g.elements[e].length() * GravityLoadPerMetre(g, e, p);
  f.Printf("%sSpec. Weight = %6.2lf kN/m3, covering etc. = %.2lf kN/m sum = %.2lf kN\n", " ", p.gamma(),
           p.covering(), sum);
  Line(f, kRule71);
}

void WriteLineLoads(plat::TextWriter& f, const LoadModel& model) {
  const auto& lc = model.load_case;
  Line(f, "Line loads");
  Line(f, kRule71);
  for (int i = 1; i <= lc.line_loads.count(); ++i) {
    const auto& q = lc.line_loads[i];
    const std::string note = lc.line_notes[i].text();
    const double a = q.value_a(), b = q.value_b();
    const double length = std::hypot(static_cast<double>(q.x2()) - q.x1(), static_cast<double>(q.y2()) - q.y1());
    const double sum = length * (a + b) / 2.0;
    const bool even = std::fabs(a - b) < 0.1;
    const int e = q.element();
    const char dir = q.direction();
    if (q.whole_element() != 0) {
      if (even) {
        f.Printf("%s%2i  Element %2i  %6.2lf kN/m  direction = %c  sum = %6.2lf kN %s\n", " ", i, e, a, dir, sum,
                 note.c_str());
      } else {
        f.Printf("%s%2i  Element %2i  %6.2lf kN/m  %6.2lf kN/m  direction = %c  sum = %6.2lf kN %s\n", " ", i, e, a,
                 b, dir, sum, note.c_str());
      }
    } else {
      const double xa = q.xa(), xb = q.xb();
      if (even) {
        f.Printf("%s%2i  Element %2i  %6.2lf kN/m on xb - xa = %.1lf - %.1lf m   direction = %c  sum = %6.2lf kN %s\n",
                 " ", i, e, a, xb, xa, dir, sum, note.c_str());
      } else {
        f.Printf(
            "%s%2i  Element %2i  %6.2lf kN/m  %6.2lf kN/m xa = %.1lf m,  xb = %.1lf m  direction = %c  sum = %6.2lf kN "
            "%s\n",
            " ", i, e, a, b, xa, xb, dir, sum, note.c_str());
      }
    }
  }
}

void WriteTemperature(plat::TextWriter& f, const common::LoadCaseParams& p) {
  f.Printf("%s%s%8.2lf\n", " ", "Uneven Temperature Delta T = ", p.delta_t());
  f.Printf("%s%s%6.3E\n", " ", "Temperature coefficient     Alpha T = ", p.alpha_t());
}

void WritePointLoads(plat::TextWriter& f, const LoadModel& model) {
  const auto& lc = model.load_case;
  Line(f, "Point loads");
  Line(f, kRule71);
  Line(f, "Nr. ");
  for (int i = 1; i <= lc.point_loads.count(); ++i) {
    const auto& p = lc.point_loads[i];
    const std::string note = lc.point_notes[i].text();
    const double value = p.value();
    const char dir = p.direction();
    if (p.placement() == common::PointLoadRecord::kAtNode) {
      const int node = p.node();
      if (p.kind() == common::PointLoadRecord::kForce) {
        f.Printf("%s%3i  Force at Node  %3i   F = %6.2lf kN  direction = %c  %s\n", " ", i, node, value, dir,
                 note.c_str());
      } else if (p.kind() == common::PointLoadRecord::kMoment) {
        f.Printf("%s%3i  Moment at Node %3i   M = %6.2lf kNm  %s\n", " ", i, node, value, note.c_str());
      } else {
        f.Printf("%s%3i   %s  at Node %3i   %6.2lf   direction = %c  %s\n", " ", i, KindLabel(p.kind()), node, value,
                 dir, note.c_str());
      }
    } else {
      const int e = p.element();
      const double a = p.distance();
      if (p.kind() == common::PointLoadRecord::kForce) {
        f.Printf("%s%3i Force on element  %3i  distance = %6.2lf m  F = %6.2lf kN direction = %c  %s\n", " ", i, e, a,
                 value, dir, note.c_str());
      } else if (p.kind() == common::PointLoadRecord::kMoment) {
        f.Printf("%s%3i Moment on element %3i  distance = %6.2lf m  M = %6.2lf kNm  %s\n", " ", i, e, a, value,
                 note.c_str());
      } else {
        f.Printf("%s%3i %s on element %3i  distance = %6.2lf m   %6.2lf   direction = %c  %s\n", " ", i,
                 KindLabel(p.kind()), e, a, value, dir, note.c_str());
      }
    }
  }
}

void WriteSettlements(plat::TextWriter& f, const LoadModel& model) {
  bool header = false;
  for (const auto& s : model.load_case.settlements.used()) {
    if (s.settled() == 0) continue;
    if (!header) {
      Line(f, "              Coordinates             Settlement");
      Line(f, "Node       x [m]     y [m]     u [m]   v [m]   phi [tan]");
      Line(f, kRule71);
      header = true;
    }
    const auto& node = model.geometry.nodes[s.node()];
    f.Printf("%s%3i %12.2lf %9.2lf      %5.3lf   %5.3lf   %5.3lf\n", " ", s.node(), static_cast<double>(node.x()),
             static_cast<double>(node.y()), static_cast<double>(s.settlement(1)),
             static_cast<double>(s.settlement(2)), static_cast<double>(s.settlement(3)));
  }
}

// The prestress as the store writes it into PRESTRESS.
void WritePrestress(plat::TextWriter& f, const LoadModel& model) {
  const common::PrestressTable& prestress = model.load_case.prestress;
  if (prestress.count() == 0) return;
  Line(f, "Prestressed elements");
  Line(f, "Element    Force [kN]");
  Line(f, kRule71);
  for (const auto& entry : prestress.used()) {
    f.Printf("%s%3i         %6.3E\n", " ", entry.element(), static_cast<double>(entry.force()));
  }
}

// A line read from the listing, written back with its end.
void WriteLine(plat::TextWriter& out, std::string_view line) {
  out.Write(line);
  out.Write("\n");
}

bool IsHeadingOf(const std::string& line, int number) { return line.starts_with(ListingHeading(number)); }

// " LC ", digits and a blank: the heading of some load case.
bool IsAnyHeading(std::string_view line) {
  if (!line.starts_with(" LC ")) return false;
  std::size_t k = 4;
  while (k < line.size() && std::isdigit(static_cast<unsigned char>(line[k]))) ++k;
  return k > 4 && k < line.size() && line[k] == ' ';
}

// The line that begins the section after the one heading at `k`: the heading
// of `following`, else (a listing edited by hand) the next heading found; the
// rule line that leads it belongs to it. `lines.size()` when there is none.
std::size_t NextSection(const std::vector<std::string_view>& lines, std::size_t k, int following) {
  const std::size_t n = lines.size();
  std::size_t next = k + 1;
  const std::string heading = ListingHeading(following);
  while (next < n && !lines[next].starts_with(heading)) ++next;
  if (next == n) {
    next = k + 1;
    while (next < n && !IsAnyHeading(lines[next])) ++next;
  }
  if (next < n && next > k + 1 && lines[next - 1] == " " + kRule73) --next;
  return next;
}

}  // namespace

std::string ListingHeading(int number) { return " LC " + std::to_string(number) + " "; }

void WriteLoadListing(plat::TextWriter& file, const LoadModel& model, int number, bool leading_rule) {
  const auto& p = model.load_case.params;
  if (leading_rule) Line(file, kRule73);
  file.Printf("%s%s%d%s", " ", "LC ", number, " ");
  file.Printf("%s\n", p.title().c_str());
  Line(file, kRule73);
  if (p.gravity_flag() != 0) WriteGravity(file, model);
  if (model.load_case.line_loads.count() > 0) WriteLineLoads(file, model);
  if (p.temperature_flag() != 0) WriteTemperature(file, p);
  if (model.load_case.point_loads.count() > 0) WritePointLoads(file, model);
  if (p.settlement_flag() != 0) WriteSettlements(file, model);
  if (p.prestress_flag() != 0) WritePrestress(file, model);
}

namespace {
common::Result ListingOpenError() {
  return common::Result::Fail("Error on opening files D2 and D2NEWD2 in LSTORE.C", "Error");
}
}  // namespace

common::Outcome<std::string> ReadListingText(const StagedFiles& staged, const common::Position& position) {
  for (const std::string& path : {position.FolderFile("D2.TXT"), position.FolderFile("D2")}) {
    if (!staged.Exists(path)) continue;
    auto text = staged.Bytes(path);
    if (!text) return ListingOpenError();
    return std::move(*text);
  }
  return std::string();
}

std::string ListingWithCase(std::string_view text, const LoadModel& model, int number, int following) {
  const std::vector<std::string_view> lines = plat::SplitLineViews(text);
  std::string listing;
  plat::TextWriter out;
  out.OpenText(listing);
  std::size_t k = 0;
  const std::size_t n = lines.size();
  const std::string heading = ListingHeading(number);
  for (; k < n && !lines[k].starts_with(heading); ++k) WriteLine(out, lines[k]);
  if (k == n) {
    // No section of this load case yet: it goes to the end.
    WriteLoadListing(out, model, number, true);
  } else {
    WriteLoadListing(out, model, number, false);
    if (following != 0) {
      for (k = NextSection(lines, k, following); k < n; ++k) WriteLine(out, lines[k]);
    }
  }
  out.Close();
  return listing;
}

common::Result RemoveListingCases(const common::Position& position, const std::vector<int>& diary_numbers,
                                  const std::set<int>& removed) {
  const std::string listing = position.FolderFile("D2.TXT");
  if (!plat::FileExists(listing)) return common::Result::Ok();
  const auto lines = plat::ReadLines(listing);
  if (!lines) return ListingOpenError();
  const std::string work = position.FolderFile("D2NEWD2");
  plat::TextWriter out;
  if (!out.Open(work)) return ListingOpenError();
  bool keep = true;
  for (const std::string& line : *lines) {
    for (int number : diary_numbers) {
      if (IsHeadingOf(line, number)) keep = !removed.contains(number);
    }
    if (keep) WriteLine(out, line);
  }
  if (!out.Close()) {
    plat::RemoveFile(work);
    return ListingOpenError();
  }
  if (!plat::MoveOntoFreedName(work, listing)) {
    if (plat::FileExists(listing)) plat::RemoveFile(work);  // else D2NEWD2 keeps the only listing
    return ListingOpenError();
  }
  return common::Result::Ok();
}

}  // namespace pundf
