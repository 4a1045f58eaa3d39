// KELMF, the geometry input of the plane-frame suite.
#include "geometry/app/kelmf_app.h"
#include "platform/application.h"

int main(int argc, char** argv) {
  plat::Application app(argc, argv);
  return kelmf::RunKelmf(plat::CommandLineText(argc, argv));
}
