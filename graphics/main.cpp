// REVUZAVI, the results viewer of the plane-frame suite.
#include "graphics/app/graph_app.h"

int main(int argc, char** argv) { return revuzavi::RunRevuzavi(argc, argv); }
