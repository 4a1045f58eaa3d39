// QUENTARIS, the shell of the plane-frame suite.
#include "shell/frame/p_app.h"

int main(int argc, char** argv) { return quentaris::RunQuentaris(argc, argv); }
