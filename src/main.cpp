#include "app/startup.h"

int main(int argc, char* argv[]) { return halcyra::RunHalcyra(argc, argv); }
