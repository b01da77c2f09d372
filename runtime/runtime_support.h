#pragma once
// The end of the program when it cannot go on: the C++ library's errors (out of memory, a string
// length or position out of range) come here instead of throwing, since the launcher is built
// without exceptions. See runtime_support.cpp.

namespace qennet::runtime {

// The exit code of a program stopped by an internal error.
constexpr unsigned kInternalErrorExitCode = 3;

// Tells the player "Qennet has to stop because of an internal error:" and the reason (plain
// ASCII), then ends the process at once with kInternalErrorExitCode.
[[noreturn]] void StopOnInternalError(const char* reason);

} // namespace qennet::runtime
