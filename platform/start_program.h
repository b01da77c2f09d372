#pragma once
#include <string>

namespace qennet::platform {

// Starts a command line as a separate program, its window shown normally, in the current working
// directory; returns at once and keeps no handle. Returns 0, or the system's error code.
unsigned long StartProgram(const std::string& commandLine);

} // namespace qennet::platform
