#include "geometry/echo/echo_cards.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "common/echo/card_reader.h"
#include "common/echo/number_reader.h"
#include "geometry/echo/echo_keywords.h"
#include "geometry/model/bar_geometry.h"

namespace kelmf {
namespace {

using common::echo::Card;
using common::echo::ReadCard;
using common::echo::ToFloat;

float Real(const Card& card, std::size_t i) { return ToFloat(card[i].real); }

std::int16_t Whole(const Card& card, std::size_t i) {
  return static_cast<std::int16_t>(std::clamp(card[i].whole, 0, static_cast<int>(INT16_MAX)));
}

// A compression or tension flag: 1 for a member line that does not hold it.
std::int16_t MemberFlag(const Card& card, std::size_t i) {
  if (card.field_count() <= i) return 1;
  return card[i].whole != 0 ? 1 : 0;
}

// A support value: a negative one counts as its absolute value.
float SupportValue(const Card& card, std::size_t i) { return std::fabs(Real(card, i)); }

}  // namespace

common::MaterialRecord ReadMaterialLine(std::string_view line, common::MaterialRecord record) {
  const Card card = ReadCard(line, echo::columns::kMaterial);
  record.set_modulus(Real(card, 1));
  record.set_second_value(Real(card, 2));
  return record;
}

common::CrossSectionRecord ReadCrossSectionLine(std::string_view line, common::CrossSectionRecord record) {
  const Card card = ReadCard(line, echo::columns::kCrossSection);
  record.set_width(Real(card, 1));
  record.set_height(Real(card, 2));
  record.set_area(Real(card, 3));
  record.set_inertia(Real(card, 4));
  return record;
}

common::ElementRecord ReadElementLine(std::string_view line, common::ElementRecord record) {
  const Card card = ReadCard(line, echo::columns::kElement);
  const float za = Real(card, 2);
  const float zb = Real(card, 4);
  record.set_xa(Real(card, 1));
  record.set_za(za);
  record.set_ya(UpwardY(za));
  record.set_xb(Real(card, 3));
  record.set_zb(zb);
  record.set_yb(UpwardY(zb));
  record.set_hinge_a(Whole(card, 5));
  record.set_hinge_b(Whole(card, 6));
  record.set_material(Whole(card, 7));
  record.set_cross_section(Whole(card, 8));
  record.set_compression_flag(MemberFlag(card, 9));
  record.set_tension_flag(MemberFlag(card, 10));
  return record;
}

common::NodeRecord ReadNodeLine(std::string_view line) {
  const Card card = ReadCard(line, echo::columns::kNode);
  common::NodeRecord node;
  const float z = Real(card, 2);
  node.set_x(Real(card, 1));
  node.set_z(z);
  node.set_y(UpwardY(z));
  for (int d = 1; d <= 3; ++d) {
    const float value = SupportValue(card, static_cast<std::size_t>(2 + d));
    node.set_support(d, value);
    node.set_support_flag(d, value > 0.0f ? 1 : 0);
  }
  return node;
}

common::NodeRefRecord ReadSupportLine(std::string_view line) {
  const Card card = ReadCard(line, echo::columns::kSupport);
  common::NodeRefRecord entry;
  entry.set_node(Whole(card, 0));
  for (int d = 1; d <= 3; ++d) {
    const float value = SupportValue(card, static_cast<std::size_t>(d));
    entry.set_support(d, value);
    entry.set_support_flag(d, value > 0.0f ? 1 : 0);
  }
  return entry;
}

ParabolaInput ReadParabolaLine(std::string_view line) {
  const Card card = ReadCard(line, echo::columns::kParabola);
  ParabolaInput parabola;
  parabola.length = Real(card, 0);
  parabola.height = Real(card, 1);
  parabola.elements = card[2].whole;
  return parabola;
}

}  // namespace kelmf
