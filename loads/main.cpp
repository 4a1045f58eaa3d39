// PUNDF, the load input of the plane-frame suite.
#include "loads/app/pundf_app.h"
#include "platform/application.h"

int main(int argc, char** argv) {
  plat::Application app(argc, argv);
  return pundf::RunPundf(plat::CommandLineText(argc, argv));
}
