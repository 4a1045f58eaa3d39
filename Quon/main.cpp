// ZEDIR, the load-case solver of the plane-frame suite.
#include "Quon/app/quon_app.h"

int main(int argc, char** argv) { return zedir::RunZedir(argc, argv); }
