#include "application.h"
#include "sound_module.h"

int main(int argc, char** argv) { troven::endProcess(troven::runProgram(argc, argv)); }
