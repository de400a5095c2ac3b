#include "program/application.h"

int main(int argc, char** argv) { return troven::runProgram(argc, argv); }
