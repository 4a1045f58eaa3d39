#pragma once
// The frames of the example positions and load cases on them made as the load
// editor makes them, for the tests of the echo text and its rebuild.
#include <functional>
#include <string>
#include <vector>

#include "loads/model/load_model.h"

namespace pundf::testing {

// Two spans of 6 m: elements 1 and 2, nodes at x = 0, 6, 12; supports 1..3 at
// nodes 1..3 (u and v at node 1, v at nodes 2 and 3).
Geometry TwoSpanBeam();
// PortalFrame(6, 4) with node 1 clamped (support 1) and node 4 hinged (support 2).
Geometry HingedPortal();
// A semicircle of radius 10 m from (0, 0) over (10, 10) to (20, 0) in 8
// elements, nodes 1..9 from left to right at points to the centimetre (as
// examples/ECHO_G.ARCH.TXT has them), hinged at nodes 1 and 9.
Geometry CircularArch();

struct Example {
  std::string name;  // BEAM2, PORTAL, ARCH: examples/ECHO_L.<name>.TXT
  Geometry (*frame)();
};
const std::vector<Example>& Examples();

// A LoadModel on the example's frame as the geometry input stores it: the
// position `ext` under the test folder with examples/ECHO_G.<name>.TXT, stored
// by the real store-position.
LoadModel StoredExample(const std::string& name, const std::string& ext);

// Editor-made loads.
common::PointLoadRecord ForceAtNode(const Geometry& g, int node, float value, char direction, int element = 0);
common::PointLoadRecord LoadOnElement(const Geometry& g, int kind, int element, float distance, float value,
                                      char direction);
common::NoteRecord NoteOf(const std::string& text);

// The load cases of an example, each made in model.load_case as the editor
// does (temperatures and prestress in memory, written by the store) and stored.
void StoreExampleLoadCases(const std::string& name, LoadModel& model);

// A load case begun as the save dialog leaves it: number, title, origin 1.
void BeginLoadCase(LoadModel& model, int number, const std::string& title);
// The temperature dialog: every element loaded with T, delta T, alpha T.
void SetTemperature(LoadModel& model, float t, double delta_t, double alpha_t);
// The settlement dialog: support k settled by u, v, phi.
void Settle(LoadModel& model, int support, float u, float v, float phi);
// The prestress dialog: one entry per element and force.
void SetPrestress(LoadModel& model, const std::vector<std::pair<int, float>>& entries);
// Stores the load case and checks the store's report.
void Store(LoadModel& model);

}  // namespace pundf::testing
