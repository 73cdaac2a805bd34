// cvspawn: runs one tool for the workbench and ends it on request.
#include "corvide/spawner/Spawner.h"

int main(int argc, char** argv) { return corvide::spawner::runSpawner(argc, argv); }
