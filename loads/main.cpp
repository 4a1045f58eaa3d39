// PUNDF, the load input of the plane-frame suite.
#include "loads/editor/pundw_app.h"

int main(int argc, char** argv) { return pundf::RunPundfProgram(argc, argv); }
