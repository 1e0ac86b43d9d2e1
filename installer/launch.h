#pragma once

namespace installer {

// Starts the program at `executable` in `workingDirectory` without waiting for it to end (at most
// a second until it is ready for input). Returns 1 when the process was created, otherwise 0.
int runProgram(const char* executable, const char* workingDirectory);

}  // namespace installer
