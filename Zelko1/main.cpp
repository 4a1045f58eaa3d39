#include "Zelko1/app/zelko1_app.h"

int main(int argc, char** argv) { return zevril::RunZevril(argc, argv); }
