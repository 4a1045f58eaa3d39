#include "geometry/editor/generator_dialogs.h"

#include <charconv>
#include <cmath>

#include "common/text_to_float.h"
#include "geometry/tables/cell_format.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace kelmf {
namespace {

constexpr int kMaxGeneratedElements = 100;

std::string Fixed2(double v) { return FormatCell("%.2f", v); }

common::Result CountError(const char* what) {
  return common::Result::Fail(std::string(what) + " must be a whole number from 1 to 100.", "Error");
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

ArcFields FieldsOfArc(const ArcInput& arc) {
  return {Fixed2(arc.radius()), Fixed2(arc.left_angle()), Fixed2(arc.right_angle()), std::to_string(arc.segments())};
}

common::Outcome<ArcInput> ArcOfFields(const ArcFields& fields) {
  const std::string count = Trimmed(fields.segments);
  long long n = 0;
  const auto [end, error] = std::from_chars(count.data(), count.data() + count.size(), n);
  if (error != std::errc() || end != count.data() + count.size() || n < 1 || n > kMaxGeneratedElements) {
    return CountError("The number of segments");
  }
  ArcInput arc;
  arc.set_radius(common::TextToFloat(fields.radius));
  arc.set_left_angle(common::TextToFloat(fields.left_angle));
  arc.set_right_angle(common::TextToFloat(fields.right_angle));
  arc.set_segments(static_cast<std::int32_t>(n));
  return arc;
}

ParabolaFields FieldsOfParabola(const ParabolaInput& parabola) {
  if (parabola.elements <= 0) return {};
  return {Fixed2(parabola.length), Fixed2(parabola.height), std::to_string(parabola.elements)};
}

common::Outcome<ParabolaInput> ParabolaOfFields(const ParabolaFields& fields) {
  const double n = std::trunc(static_cast<double>(common::TextToFloat(fields.elements)));
  if (!(n >= 1.0 && n <= kMaxGeneratedElements)) return CountError("The number of elements");
  ParabolaInput parabola;
  parabola.length = common::TextToFloat(fields.length);
  parabola.height = common::TextToFloat(fields.height);
  parabola.elements = static_cast<std::int32_t>(n);
  return parabola;
}

// ---- Arc ----

CDiaBogen::CDiaBogen(plat::Window* owner) : plat::Dialog(gen_ids::kArc, "Arc", owner) {}

void CDiaBogen::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("Radius").EditBox(gen_ids::kRadius);
  form.Field("Angle on the left").EditBox(gen_ids::kLeftAngle);
  form.Field("Angle on the right").EditBox(gen_ids::kRightAngle);
  form.Field("Number of segments").EditBox(gen_ids::kSegments);
  layout.OkCancel("OK", "Stop");
}

void CDiaBogen::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, gen_ids::kRadius, fields.radius);
  plat::DDX_Text(dx, gen_ids::kLeftAngle, fields.left_angle);
  plat::DDX_Text(dx, gen_ids::kRightAngle, fields.right_angle);
  plat::DDX_Text(dx, gen_ids::kSegments, fields.segments);
  if (dx.saving() && !dx.failed()) {
    if (const auto arc = ArcOfFields(fields); !arc) dx.Fail(arc.failure().text());
  }
}

bool CDiaBogen::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  if (auto* radius = dynamic_cast<plat::Edit*>(GetDlgItem(gen_ids::kRadius))) {
    GotoDlgCtrl(radius);
    radius->SetSel(0, -1);
  }
  return false;
}

// ---- Parabola ----

DiaParabola::DiaParabola(plat::Window* owner) : plat::Dialog(gen_ids::kParabola, "Parabola", owner) {}

void DiaParabola::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("Length of base line").EditBox(gen_ids::kLength);
  form.Field("Height").EditBox(gen_ids::kHeight);
  form.Field("Elements < 100").EditBox(gen_ids::kElements);
  layout.OkCancel("OK", "Stop");
}

void DiaParabola::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, gen_ids::kLength, fields.length);
  plat::DDX_Text(dx, gen_ids::kHeight, fields.height);
  plat::DDX_Text(dx, gen_ids::kElements, fields.elements);
  if (dx.saving() && !dx.failed()) {
    if (const auto parabola = ParabolaOfFields(fields); !parabola) dx.Fail(parabola.failure().text());
  }
}

}  // namespace kelmf
