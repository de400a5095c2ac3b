#pragma once

namespace troven {

// Starts the program: the splash, then the main window. Returns the exit code.
int runProgram(int argc, char** argv);

}  // namespace troven
