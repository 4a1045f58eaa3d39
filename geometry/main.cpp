// KELMF, the geometry input of the plane-frame suite.
#include "geometry/editor/kelmw_app.h"

int main(int argc, char** argv) { return kelmf::RunKelmfWindow(argc, argv); }
