#include "Quon/tests/support/reference_frame.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace zedir::testing {
namespace {

constexpr int kSampleCount = 51;

// Equations of a point of the fine model: x, y, rotation.
struct PointDofs {
  int u = -1, v = -1, t = -1;
};

// A cut of an element: its place and the equations on its two sides (the same but at a jump).
struct Station {
  double x = 0;
  PointDofs left, right;
  bool jump = false;
};

// A piece of an element between two stations, with its load in element axes: along t0 + t1 s and
// across n0 + n1 s, s from the piece's start; and the element's free strain and curvature.
struct Piece {
  int element = 0;
  PointDofs start, end;
  double length = 0;
  double t0 = 0, t1 = 0, n0 = 0, n1 = 0;
  double axial = 0, curvature = 0;
};

using Local = std::array<double, 6>;

struct Geometry {
  double length, c, s;
};

Geometry GeometryOf(const std::vector<RefNode>& nodes, const RefElement& e) {
  const RefNode& a = nodes.at(static_cast<std::size_t>(e.a - 1));
  const RefNode& b = nodes.at(static_cast<std::size_t>(e.b - 1));
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double l = std::sqrt(dx * dx + dy * dy);
  return {l, dx / l, dy / l};
}

// The textbook beam matrix in element axes: u, w, counter-clockwise rotation at each end.
std::array<Local, 6> PieceStiffness(double l, double ea, double ei) {
  const double a = ea / l, b = 12 * ei / (l * l * l), g = 6 * ei / (l * l), h = 4 * ei / l, h2 = 2 * ei / l;
  return {{{a, 0, 0, -a, 0, 0},
           {0, b, g, 0, -b, g},
           {0, g, h, 0, -g, h2},
           {-a, 0, 0, a, 0, 0},
           {0, -b, -g, 0, b, -g},
           {0, g, h2, 0, -g, h}}};
}

// The work-equivalent end forces of the piece's load and free strains, in element axes.
Local PieceLoad(const Piece& p, double ea, double ei) {
  static const double kX[3] = {-0.7745966692414834, 0.0, 0.7745966692414834};
  static const double kW[3] = {5.0 / 9.0, 8.0 / 9.0, 5.0 / 9.0};
  const double l = p.length;
  Local f{};
  for (int g = 0; g < 3; ++g) {
    const double s = (kX[g] + 1) * l / 2, w = kW[g] * l / 2, r = s / l;
    const double t = p.t0 + p.t1 * s, n = p.n0 + p.n1 * s;
    f[0] += w * (1 - r) * t;
    f[3] += w * r * t;
    f[1] += w * (1 - 3 * r * r + 2 * r * r * r) * n;
    f[2] += w * s * (1 - r) * (1 - r) * n;
    f[4] += w * (3 * r * r - 2 * r * r * r) * n;
    f[5] += w * s * r * (r - 1) * n;
  }
  f[0] -= ea * p.axial;
  f[3] += ea * p.axial;
  f[2] -= ei * p.curvature;
  f[5] += ei * p.curvature;
  return f;
}

class System {
 public:
  int AddDof(double x, double y, int kind) {
    dofs_.push_back({x, y, kind});
    return static_cast<int>(dofs_.size()) - 1;
  }
  int size() const { return static_cast<int>(dofs_.size()); }

  void Allocate() {
    n_ = size();
    k_.assign(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_), 0.0);
    f_.assign(static_cast<std::size_t>(n_), 0.0);
  }
  double& K(int i, int j) { return k_[static_cast<std::size_t>(i) * static_cast<std::size_t>(n_) + static_cast<std::size_t>(j)]; }
  double& F(int i) { return f_[static_cast<std::size_t>(i)]; }

  void AddConstraint(std::vector<std::pair<int, double>> terms, double value) {
    constraints_.push_back({std::move(terms), value});
  }

  // The loads' resultant by the rigid motions of the model.
  std::array<double, 3> Resultant() const {
    std::array<double, 3> r{};
    for (int d = 0; d < n_; ++d) {
      const Dof& q = dofs_[static_cast<std::size_t>(d)];
      const double f = f_[static_cast<std::size_t>(d)];
      if (q.kind == 0) {
        r[0] += f;
        r[2] -= q.y * f;
      } else if (q.kind == 1) {
        r[1] += f;
        r[2] += q.x * f;
      } else {
        r[2] += f;
      }
    }
    return r;
  }

  // Solves [K C^T; C 0] [u; lambda] = [f; r]; returns u followed by lambda.
  std::vector<double> Solve() const {
    const int m = static_cast<int>(constraints_.size());
    const int t = n_ + m;
    std::vector<double> a(static_cast<std::size_t>(t) * static_cast<std::size_t>(t + 1), 0.0);
    auto at = [&](int i, int j) -> double& {
      return a[static_cast<std::size_t>(i) * static_cast<std::size_t>(t + 1) + static_cast<std::size_t>(j)];
    };
    for (int i = 0; i < n_; ++i) {
      for (int j = 0; j < n_; ++j) at(i, j) = k_[static_cast<std::size_t>(i) * static_cast<std::size_t>(n_) + static_cast<std::size_t>(j)];
      at(i, t) = f_[static_cast<std::size_t>(i)];
    }
    for (int c = 0; c < m; ++c) {
      for (const auto& [d, coefficient] : constraints_[static_cast<std::size_t>(c)].terms) {
        at(n_ + c, d) += coefficient;
        at(d, n_ + c) += coefficient;
      }
      at(n_ + c, t) = constraints_[static_cast<std::size_t>(c)].value;
    }
    for (int col = 0; col < t; ++col) {
      int pivot = col;
      for (int i = col + 1; i < t; ++i) {
        if (std::fabs(at(i, col)) > std::fabs(at(pivot, col))) pivot = i;
      }
      if (at(pivot, col) == 0.0) throw std::runtime_error("reference frame is singular");
      if (pivot != col) {
        for (int j = col; j <= t; ++j) std::swap(at(pivot, j), at(col, j));
      }
      for (int i = col + 1; i < t; ++i) {
        const double factor = at(i, col) / at(col, col);
        if (factor == 0.0) continue;
        for (int j = col; j <= t; ++j) at(i, j) -= factor * at(col, j);
      }
    }
    std::vector<double> x(static_cast<std::size_t>(t));
    for (int i = t - 1; i >= 0; --i) {
      double sum = at(i, t);
      for (int j = i + 1; j < t; ++j) sum -= at(i, j) * x[static_cast<std::size_t>(j)];
      x[static_cast<std::size_t>(i)] = sum / at(i, i);
    }
    return x;
  }

  // Index of the multiplier of constraint c in Solve's result.
  int Multiplier(int c) const { return n_ + c; }
  int constraint_count() const { return static_cast<int>(constraints_.size()); }

 private:
  struct Dof {
    double x, y;
    int kind;  // 0 x, 1 y, 2 rotation
  };
  struct Constraint {
    std::vector<std::pair<int, double>> terms;
    double value;
  };
  std::vector<Dof> dofs_;
  std::vector<Constraint> constraints_;
  int n_ = 0;
  std::vector<double> k_, f_;
};

RefSolution Sum(RefSolution a, const RefSolution& b) {
  for (std::size_t k = 0; k < a.nodes.size(); ++k) {
    for (std::size_t j = 0; j < 3; ++j) {
      a.nodes[k][j] += b.nodes[k][j];
      a.support_forces[k][j] += b.support_forces[k][j];
    }
  }
  for (std::size_t e = 0; e < a.curves.size(); ++e) {
    a.end_rotations[e][0] += b.end_rotations[e][0];
    a.end_rotations[e][1] += b.end_rotations[e][1];
    for (std::size_t i = 0; i < 51; ++i) {
      a.curves[e].u[i] += b.curves[e].u[i];
      a.curves[e].w[i] += b.curves[e].w[i];
      a.curves[e].m[i] += b.curves[e].m[i];
      a.curves[e].v[i] += b.curves[e].v[i];
      a.curves[e].n[i] += b.curves[e].n[i];
    }
  }
  for (std::size_t j = 0; j < 3; ++j) a.applied[j] += b.applied[j];
  return a;
}

}  // namespace

RefSolution SolveReference(const std::vector<RefNode>& nodes, const std::vector<RefElement>& elements,
                           const RefLoads& loads) {
  const bool loaded = !loads.nodal.empty() || !loads.points.empty() || !loads.jumps.empty() || !loads.lines.empty() ||
                      !loads.strains.empty();
  if (!loads.prescribed.empty() && loaded) {
    RefLoads without = loads;
    without.prescribed.clear();
    RefLoads moved;
    moved.prescribed = loads.prescribed;
    return Sum(SolveReference(nodes, elements, without), SolveReference(nodes, elements, moved));
  }
  System sys;
  const std::size_t node_count = nodes.size();
  std::vector<int> rigid_ends(node_count, 0);
  for (const RefElement& e : elements) {
    rigid_ends[static_cast<std::size_t>(e.a - 1)] += e.hinge_a ? 0 : 1;
    rigid_ends[static_cast<std::size_t>(e.b - 1)] += e.hinge_b ? 0 : 1;
  }
  std::vector<PointDofs> node_dofs(node_count);
  for (std::size_t k = 0; k < node_count; ++k) {
    node_dofs[k].u = sys.AddDof(nodes[k].x, nodes[k].y, 0);
    node_dofs[k].v = sys.AddDof(nodes[k].x, nodes[k].y, 1);
    if (rigid_ends[k] > 0) node_dofs[k].t = sys.AddDof(nodes[k].x, nodes[k].y, 2);
  }

  // The stations of every element: its samples, the places of its loads and jumps, the ends of
  // its line loads.
  std::vector<std::vector<Station>> stations(elements.size());
  for (std::size_t ei = 0; ei < elements.size(); ++ei) {
    const RefElement& e = elements[ei];
    const int number = static_cast<int>(ei) + 1;
    const Geometry g = GeometryOf(nodes, e);
    std::vector<double> xs;
    for (int i = 1; i <= kSampleCount; ++i) xs.push_back((i - 1) * g.length / (kSampleCount - 1));
    std::vector<double> jumps;
    for (const auto& p : loads.points) {
      if (p.element == number) xs.push_back(p.a);
    }
    for (const auto& j : loads.jumps) {
      if (j.element == number) jumps.push_back(j.a);
    }
    for (const auto& q : loads.lines) {
      if (q.element == number) {
        xs.push_back(q.x0);
        xs.push_back(q.x1);
      }
    }
    xs.insert(xs.end(), jumps.begin(), jumps.end());
    std::sort(xs.begin(), xs.end());
    const double tolerance = 1e-7 * g.length;
    std::vector<double> unique;
    for (double x : xs) {
      if (unique.empty() || x - unique.back() > tolerance) unique.push_back(x);
    }
    const RefNode& na = nodes[static_cast<std::size_t>(e.a - 1)];
    auto point_dofs = [&](double x) {
      const double px = na.x + x * g.c, py = na.y + x * g.s;
      return PointDofs{sys.AddDof(px, py, 0), sys.AddDof(px, py, 1), sys.AddDof(px, py, 2)};
    };
    std::vector<Station>& list = stations[ei];
    for (std::size_t k = 0; k < unique.size(); ++k) {
      Station st;
      st.x = unique[k];
      if (k == 0) {
        st.x = 0;
        st.left = node_dofs[static_cast<std::size_t>(e.a - 1)];
        if (e.hinge_a) st.left.t = sys.AddDof(na.x, na.y, 2);
        st.right = st.left;
      } else if (k + 1 == unique.size()) {
        st.x = g.length;
        const RefNode& nb = nodes[static_cast<std::size_t>(e.b - 1)];
        st.left = node_dofs[static_cast<std::size_t>(e.b - 1)];
        if (e.hinge_b) st.left.t = sys.AddDof(nb.x, nb.y, 2);
        st.right = st.left;
      } else {
        st.left = point_dofs(st.x);
        st.jump = std::any_of(jumps.begin(), jumps.end(), [&](double a) { return std::fabs(a - st.x) <= tolerance; });
        st.right = st.jump ? point_dofs(st.x) : st.left;
      }
      list.push_back(st);
    }
  }

  // Pieces with their loads in element axes.
  std::vector<std::vector<Piece>> pieces(elements.size());
  for (std::size_t ei = 0; ei < elements.size(); ++ei) {
    const int number = static_cast<int>(ei) + 1;
    const Geometry g = GeometryOf(nodes, elements[ei]);
    const std::vector<Station>& list = stations[ei];
    for (std::size_t k = 0; k + 1 < list.size(); ++k) {
      Piece p;
      p.element = number;
      p.start = list[k].right;
      p.end = list[k + 1].left;
      p.length = list[k + 1].x - list[k].x;
      const double x0 = list[k].x, x1 = list[k + 1].x, mid = (x0 + x1) / 2;
      for (const auto& q : loads.lines) {
        if (q.element != number || mid < q.x0 || mid > q.x1) continue;
        // The global load at x0 and its slope, turned into element axes.
        const double span = q.x1 - q.x0;
        const double sx = (q.px1 - q.px0) / span, sy = (q.py1 - q.py0) / span;
        const double px = q.px0 + sx * (x0 - q.x0), py = q.py0 + sy * (x0 - q.x0);
        p.t0 += g.c * px + g.s * py;
        p.n0 += -g.s * px + g.c * py;
        p.t1 += g.c * sx + g.s * sy;
        p.n1 += -g.s * sx + g.c * sy;
      }
      for (const auto& s : loads.strains) {
        if (s.element == number) {
          p.axial += s.axial;
          p.curvature += s.curvature;
        }
      }
      pieces[ei].push_back(p);
    }
  }

  sys.Allocate();
  auto global = [](const PointDofs& a, const PointDofs& b) { return std::array<int, 6>{a.u, a.v, a.t, b.u, b.v, b.t}; };
  for (std::size_t ei = 0; ei < elements.size(); ++ei) {
    const RefElement& e = elements[ei];
    const Geometry g = GeometryOf(nodes, e);
    // Element axes from global: (c, s) along, (-s, c) across.
    const double r[3][3] = {{g.c, g.s, 0}, {-g.s, g.c, 0}, {0, 0, 1}};
    for (const Piece& p : pieces[ei]) {
      const std::array<Local, 6> k = PieceStiffness(p.length, e.ea, e.ei);
      const Local f = PieceLoad(p, e.ea, e.ei);
      const std::array<int, 6> dofs = global(p.start, p.end);
      // T^T k T and T^T f with T block-diagonal of r.
      double t[6][6] = {};
      for (int b = 0; b < 2; ++b) {
        for (int i = 0; i < 3; ++i) {
          for (int j = 0; j < 3; ++j) t[3 * b + i][3 * b + j] = r[i][j];
        }
      }
      for (int i = 0; i < 6; ++i) {
        double fi = 0;
        for (int a = 0; a < 6; ++a) fi += t[a][i] * f[static_cast<std::size_t>(a)];
        sys.F(dofs[static_cast<std::size_t>(i)]) += fi;
        for (int j = 0; j < 6; ++j) {
          double kij = 0;
          for (int a = 0; a < 6; ++a) {
            for (int b = 0; b < 6; ++b) kij += t[a][i] * k[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] * t[b][j];
          }
          sys.K(dofs[static_cast<std::size_t>(i)], dofs[static_cast<std::size_t>(j)]) += kij;
        }
      }
    }
  }
  for (std::size_t k = 0; k < node_count; ++k) {
    const int d[3] = {node_dofs[k].u, node_dofs[k].v, node_dofs[k].t};
    for (int j = 0; j < 3; ++j) {
      if (nodes[k].spring[static_cast<std::size_t>(j)] != 0.0 && d[j] >= 0) sys.K(d[j], d[j]) += nodes[k].spring[static_cast<std::size_t>(j)];
    }
  }
  for (const auto& q : loads.nodal) {
    const PointDofs& d = node_dofs[static_cast<std::size_t>(q.node - 1)];
    sys.F(d.u) += q.fx;
    sys.F(d.v) += q.fy;
    if (q.m != 0.0) sys.F(d.t) += q.m;
  }
  auto station_at = [&](int element, double a) -> const Station& {
    const std::vector<Station>& list = stations[static_cast<std::size_t>(element - 1)];
    const auto it = std::min_element(list.begin(), list.end(), [&](const Station& x, const Station& y) {
      return std::fabs(x.x - a) < std::fabs(y.x - a);
    });
    return *it;
  };
  for (const auto& p : loads.points) {
    const Station& st = station_at(p.element, p.a);
    sys.F(st.left.u) += p.fx;
    sys.F(st.left.v) += p.fy;
    sys.F(st.left.t) += p.m;
  }
  const std::array<double, 3> applied = sys.Resultant();
  for (const auto& j : loads.jumps) {
    const Station& st = station_at(j.element, j.a);
    const Geometry g = GeometryOf(nodes, elements[static_cast<std::size_t>(j.element - 1)]);
    sys.AddConstraint({{st.right.u, g.c}, {st.right.v, g.s}, {st.left.u, -g.c}, {st.left.v, -g.s}}, j.du);
    sys.AddConstraint({{st.right.u, -g.s}, {st.right.v, g.c}, {st.left.u, g.s}, {st.left.v, -g.c}}, j.dw);
    sys.AddConstraint({{st.right.t, 1.0}, {st.left.t, -1.0}}, j.dtheta);
  }
  const int first_prescribed = sys.constraint_count();
  for (const auto& p : loads.prescribed) {
    const PointDofs& d = node_dofs[static_cast<std::size_t>(p.node - 1)];
    const int dof = p.direction == 0 ? d.u : (p.direction == 1 ? d.v : d.t);
    sys.AddConstraint({{dof, 1.0}}, p.value);
  }
  const std::vector<double> x = sys.Solve();
  auto value = [&](int d) { return d >= 0 ? x[static_cast<std::size_t>(d)] : 0.0; };

  RefSolution out;
  out.applied = applied;
  for (std::size_t k = 0; k < node_count; ++k) {
    const PointDofs& d = node_dofs[k];
    out.nodes.push_back({value(d.u), value(d.v), value(d.t)});
    out.node_rotates.push_back(d.t >= 0);
    std::array<double, 3> support{};
    for (int j = 0; j < 3; ++j) {
      support[static_cast<std::size_t>(j)] = -nodes[k].spring[static_cast<std::size_t>(j)] * out.nodes[k][static_cast<std::size_t>(j)];
    }
    out.support_forces.push_back(support);
  }
  for (std::size_t c = 0; c < loads.prescribed.size(); ++c) {
    const auto& p = loads.prescribed[c];
    out.support_forces[static_cast<std::size_t>(p.node - 1)][static_cast<std::size_t>(p.direction)] -=
        x[static_cast<std::size_t>(sys.Multiplier(first_prescribed + static_cast<int>(c)))];
  }

  for (std::size_t ei = 0; ei < elements.size(); ++ei) {
    const RefElement& e = elements[ei];
    const Geometry g = GeometryOf(nodes, e);
    const std::vector<Station>& list = stations[ei];
    out.end_rotations.push_back({value(list.front().right.t), value(list.back().left.t)});
    // End forces of every piece in element axes: k d - f.
    std::vector<Local> forces;
    for (const Piece& p : pieces[ei]) {
      const std::array<Local, 6> k = PieceStiffness(p.length, e.ea, e.ei);
      const Local f = PieceLoad(p, e.ea, e.ei);
      const std::array<int, 6> dofs = global(p.start, p.end);
      Local d{};
      for (int b = 0; b < 2; ++b) {
        const double ux = value(dofs[static_cast<std::size_t>(3 * b)]), uy = value(dofs[static_cast<std::size_t>(3 * b + 1)]);
        d[static_cast<std::size_t>(3 * b)] = g.c * ux + g.s * uy;
        d[static_cast<std::size_t>(3 * b + 1)] = -g.s * ux + g.c * uy;
        d[static_cast<std::size_t>(3 * b + 2)] = value(dofs[static_cast<std::size_t>(3 * b + 2)]);
      }
      Local end{};
      for (int i = 0; i < 6; ++i) {
        double sum = -f[static_cast<std::size_t>(i)];
        for (int j = 0; j < 6; ++j) sum += k[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] * d[static_cast<std::size_t>(j)];
        end[static_cast<std::size_t>(i)] = sum;
      }
      forces.push_back(end);
    }
    RefCurves curves;
    for (int i = 1; i <= kSampleCount; ++i) {
      const double xi = (i - 1) * g.length / (kSampleCount - 1);
      std::size_t s = 0;
      for (std::size_t k = 1; k < list.size(); ++k) {
        if (std::fabs(list[k].x - xi) < std::fabs(list[s].x - xi)) s = k;
      }
      const PointDofs& d = list[s].left;
      const double ux = value(d.u), uy = value(d.v);
      const std::size_t at = static_cast<std::size_t>(i - 1);
      curves.u[at] = g.c * ux + g.s * uy;
      curves.w[at] = -g.s * ux + g.c * uy;
      if (s == 0) {
        const Local& f = forces.front();
        curves.n[at] = -f[0];
        curves.v[at] = -f[1];
        curves.m[at] = f[2];
      } else {
        const Local& f = forces[s - 1];
        curves.n[at] = f[3];
        curves.v[at] = f[4];
        curves.m[at] = -f[5];
      }
    }
    out.curves.push_back(curves);
  }
  return out;
}

}  // namespace zedir::testing
