// ZEDIR, the load-case solver of the plane-frame suite.
#include "Quon/app/quon_app.h"
#include "platform/application.h"

int main(int argc, char** argv) {
  plat::Application app(argc, argv, plat::Attended::kUnattended);  // started by a job, never by a person
  return zedir::CQuonApp().InitInstance();
}
