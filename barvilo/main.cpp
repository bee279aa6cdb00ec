// barvilo: a compression member checked against buckling for the four Euler cases.
#include "barvilo.h"

int main(int argc, char** argv) { return shell::run(barvilo::settings, argc, argv); }
