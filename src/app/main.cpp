#include "app/startup_sequence.h"

int main(int argc, char* argv[]) { return quantora::RunProgram(argc, argv); }
