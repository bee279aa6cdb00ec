// quendra: force, work and stresses of a single disc spring after DIN 2093, and its
// characteristic.
#include "quendra.h"

int main(int argc, char** argv) { return shell::run(quendra::settings, argc, argv); }
