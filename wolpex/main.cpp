// wolpex: natural frequencies and mode shapes of a free torsional chain of up to 16 masses.
#include "wolpex.h"

int main(int argc, char** argv) { return shell::run(wolpex::settings, argc, argv); }
