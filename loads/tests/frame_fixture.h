#pragma once
// Small frames for the tests of the load input, in memory and as the model
// files of a position in the test's own folder.
#include <initializer_list>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "loads/model/load_model.h"

namespace pundf::testing {

struct Point {
  float x, z;  // z the user's vertical coordinate, up; the records hold y = -z
};

struct Bar {
  Point a, b;
  int section = 1;
};

// Nodes at the distinct element ends (in the order met), elements with their
// direction terms and node numbers, one cross section of area 0.08, and
// vertical sign -1 (z = -y).
Geometry MakeGeometry(const std::vector<Bar>& bars);

// Two columns of height h and a beam of span w at z = h: elements 1 (left
// column, up), 2 (beam), 3 (right column, down).
Geometry PortalFrame(float w = 6.0f, float h = 4.0f);

// A position in the test folder with the geometry's model files written.
common::Position WritePosition(const Geometry& geometry, const std::string& ext = ".T");

// A LoadModel on that position with the geometry read back.
LoadModel LoadedModel(const Geometry& geometry, const std::string& ext = ".T");

// A LoadModel on the geometry files of a position, load case 1 empty.
LoadModel ReadModel(const common::Position& position);

// A whole-element line load on element e.
common::LineLoadRecord WholeLoad(const Geometry& geometry, int e, char direction, float a, float b);

std::string ReadText(const std::string& path);

// A diary of these load-case numbers, in this order.
common::LoadCaseDiary DiaryOf(std::initializer_list<int> numbers);

}  // namespace pundf::testing
