// picture-position DATAPATH NAME LC KIND OUTFILE [WIDTHxHEIGHT]: one picture of
// the computed position NAME (without the dot) under DATAPATH, load case LC,
// drawn headless through the viewer's own code. KIND: frame, loads,
// deflection, N, V, M, reactions, nodal-loads, energy,
// green-node:NODE:x|y|phi, green-element:E:K[:S]. OUTFILE by extension: .png,
// .jpg, .bmp (1000 x 700 unless given) or .pdf (one A4 landscape page with the
// position's page head). Exit 0 when the file is written, else 1 with a line
// on stderr.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "graphics/compose/draw_picture.h"
#include "graphics/compose/page_heads.h"
#include "graphics/loads/green_forces.h"
#include "graphics/startup/startup_data.h"
#include "platform/application.h"
#include "platform/dc/bitmap.h"
#include "platform/print/picture.h"
#include "platform/print/printer_dc.h"

namespace {

using namespace revuzavi;

struct Failure {
  std::string text;
};

// A whole number from `text`, or nullopt.
std::optional<long> WholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0') return std::nullopt;
  return v;
}

std::vector<std::string> Split(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  std::string part;
  while (std::getline(in, part, by)) parts.push_back(part);
  return parts;
}

std::string Extension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return ext;
}

// The dof of a node in direction x, y or phi (the node's last rotation).
std::optional<Failure> NodeDof(const ViewerState& state, const std::vector<std::string>& parts, int& dof) {
  if (parts.size() != 3) return Failure{"green-node needs NODE and x, y or phi"};
  const auto node = WholeNumber(parts[1]);
  if (!node || *node < 1 || *node > state.nodes.count()) return Failure{"node " + parts[1] + " is out of range"};
  const common::NodeRecord& n = state.nodes[static_cast<int>(*node)];
  if (parts[2] == "x") {
    dof = n.dof_u();
  } else if (parts[2] == "y") {
    dof = n.dof_v();
  } else if (parts[2] == "phi") {
    const int r = n.rotation_count();
    dof = r >= 1 && r <= 21 ? n.rotation_dof(r) : 0;
  } else {
    return Failure{"unknown direction " + parts[2] + " (x, y or phi)"};
  }
  if (dof < 1 || dof > state.equation_count()) return Failure{"the node has no such degree of freedom"};
  return std::nullopt;
}

// The Green function of kind K at S metres (the middle when not given) on element E.
std::optional<Failure> ElementGreen(ViewerState& state, ViewState& view, const std::vector<std::string>& parts) {
  if (parts.size() != 3 && parts.size() != 4) return Failure{"green-element needs E:K[:S]"};
  const auto e = WholeNumber(parts[1]);
  if (!e || *e < 1 || *e > state.elements.count()) return Failure{"element " + parts[1] + " is out of range"};
  const auto kind = WholeNumber(parts[2]);
  if (!kind || *kind < 1 || *kind > 6) return Failure{"Green kind " + parts[2] + " is out of range (1 to 6)"};
  const double length = state.elements[static_cast<int>(*e)].length();
  double s = 0.5 * length;
  if (parts.size() == 4) {
    char* end = nullptr;
    s = std::strtod(parts[3].c_str(), &end);
    if (*end != '\0' || !(s >= 0.0 && s <= length)) return Failure{"position " + parts[3] + " is off the element"};
  }
  const int sample = length > 0.0 ? static_cast<int>(std::lround(s / (0.02 * length))) : 25;
  view.green = GreenPoint{static_cast<int>(*e), static_cast<float>(sample * 0.02 * length), sample,
                          static_cast<int>(*kind)};
  std::string sums;
  const common::Result r = ComputeGreenDisplacements(state, view, sums);
  if (!r.ok()) return Failure{r.text()};
  return std::nullopt;
}

// The request of a kind; result kinds need the load case's results.
std::optional<Failure> RequestFor(ViewerState& state, ViewState& view, const std::string& kind, PictureRequest& r) {
  const std::vector<std::string> parts = Split(kind, ':');
  const std::string head = parts.empty() ? std::string() : parts[0];
  const bool result_kind = head != "frame" && head != "loads";
  if (head == "frame") {
    r.geometry_details = true;
    r.node_labels = true;
    r.element_labels = true;
  } else if (head == "loads") {
    r.node_labels = true;
  } else if (head == "deflection") {
    r.deflection = true;
  } else if (head == "N") {
    r.normal_forces = true;
  } else if (head == "V") {
    r.shear_forces = true;
  } else if (head == "M") {
    r.moments = true;
  } else if (head == "reactions") {
    r.node_labels = true;  // the frame with its loads shows the reactions of a computed load case
  } else if (head == "nodal-loads") {
    r.nodal_loads = true;
  } else if (head == "energy") {
    r.energies = true;
  } else if (head != "green-node" && head != "green-element") {
    return Failure{"unknown kind " + kind};
  }
  if (result_kind && !state.results_present) {
    return Failure{"no results for load case " + std::to_string(state.current_load_case) +
                   ": the position is not computed"};
  }
  if (head == "green-node") {
    int dof = 0;
    if (auto f = NodeDof(state, parts, dof)) return f;
    r.influence = true;
    r.influence_column = dof;
  } else if (head == "green-element") {
    if (auto f = ElementGreen(state, view, parts)) return f;
    r.green_family_1 = true;
  }
  return std::nullopt;
}

std::optional<Failure> ParseSize(const std::string& text, int& width, int& height) {
  const std::vector<std::string> parts = Split(text, 'x');
  const auto w = parts.size() == 2 ? WholeNumber(parts[0]) : std::nullopt;
  const auto h = parts.size() == 2 ? WholeNumber(parts[1]) : std::nullopt;
  if (!w || !h || *w < 16 || *h < 16 || *w > 10000 || *h > 10000) {
    return Failure{"size " + text + " is out of range (16x16 to 10000x10000)"};
  }
  width = static_cast<int>(*w);
  height = static_cast<int>(*h);
  return std::nullopt;
}

// One A4 landscape page: the picture below the head, then the head of the position's style.
std::optional<Failure> PrintPage(ViewerState& state, ViewState& view, PictureRequest& request,
                                 const std::string& path) {
  auto dc = plat::PrinterDc::ForPdfFile(path, plat::DMORIENT_LANDSCAPE);
  if (!dc) return Failure{"cannot print to " + path};
  dc->StartDoc("REVUZAVI");
  dc->StartPage();
  const int w = dc->GetDeviceCaps(plat::HORZRES), h = dc->GetDeviceCaps(plat::VERTRES);
  request.client_width = w;
  request.client_height = h;
  // The page is printed whole: the plot box is the frame with a fifth of its size around it.
  const common::DrawingExtents& x = state.extents;
  const float room = 0.2f * std::max(x.xmax() - x.xmin(), x.zmax() - x.zmin());
  request.plot_box_mode = 1;
  request.plot_box[0] = WorldPoint{x.xmin() - room, x.zmin() - room};
  request.plot_box[1] = WorldPoint{x.xmax() + room, x.zmin() - room};
  request.plot_box[2] = WorldPoint{x.xmax() + room, x.zmax() + room};
  request.plot_box[3] = WorldPoint{x.xmin() - room, x.zmax() + room};
  PictureState picture;
  PictureMemory memory;
  DrawPicture(state, view, picture, memory, request, *dc);
  DrawStyledPageHead(state, view, *dc, state.page_number);
  dc->EndPage();
  if (dc->EndDoc() <= 0 || !std::filesystem::exists(path)) return Failure{"cannot write " + path};
  return std::nullopt;
}

std::optional<Failure> Run(const std::vector<std::string>& args) {
  if (args.size() != 5 && args.size() != 6) {
    return Failure{"usage: picture-position DATAPATH NAME LC KIND OUTFILE [WIDTHxHEIGHT]"};
  }
  const auto lc = WholeNumber(args[2]);
  if (!lc || *lc < 1 || *lc > 999) return Failure{"load case " + args[2] + " is out of range"};
  int width = 1000, height = 700;
  if (args.size() == 6) {
    if (auto f = ParseSize(args[5], width, height)) return f;
  }
  const std::string out = args[4];
  const std::string ext = Extension(out);
  if (ext != ".png" && ext != ".jpg" && ext != ".bmp" && ext != ".pdf") {
    return Failure{"unknown output format " + out + " (.png, .jpg, .bmp or .pdf)"};
  }

  ViewerState state;
  std::vector<common::Result> notes;
  const common::ReadOutcome read =
      StartupData(state, StartupRequest{args[0], "." + args[1], static_cast<int>(*lc)}, FreeTextOperations{}, notes);
  if (!read.ok()) return Failure{read.message().text()};
  if (!notes.empty()) return Failure{notes.front().text()};
  if (state.current_load_case != *lc) return Failure{"load case " + args[2] + " is not in the diary"};

  ViewState view;
  PictureRequest request;
  if (auto f = RequestFor(state, view, args[3], request)) return f;

  if (ext == ".pdf") return PrintPage(state, view, request, out);
  request.client_width = width;
  request.client_height = height;
  request.margins = PictureMargins{width / 20, height / 20, width / 10, height / 10};
  PictureState picture;
  PictureMemory memory;
  const plat::Bitmap image = plat::RenderPicture(
      width, height, [&](plat::Dc& dc) { DrawPicture(state, view, picture, memory, request, dc); });
  if (const common::Result saved = image.Save(out); !saved.ok()) return Failure{saved.text()};
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  plat::Application app(argc, argv);
  const std::optional<Failure> failure = Run(std::vector<std::string>(argv + 1, argv + argc));
  if (!failure) return 0;
  std::fprintf(stderr, "picture-position: %s\n", failure->text.c_str());
  return 1;
}
