// LERVENTA, the help viewer of the plane-frame suite.
#include "LERVENTA/app/lerventa_app.h"

int main(int argc, char** argv) { return lerventa::RunLerventa(argc, argv); }
