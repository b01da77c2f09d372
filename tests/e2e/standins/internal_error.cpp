// A program that runs into an error the launcher cannot go on from, built with the launcher's
// own runtime pieces (runtime/runtime_support.cpp), so the tests see what the player would.
// Its command line names the error: "position" (std::string::at past the end), "length" (a
// string longer than the library allows) or "memory" (an allocation that cannot succeed).
#include <windows.h>

#include <cstdint>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    const std::wstring error = commandLine;
    std::string text = "abc";
    if (error == L"position")
        return text.at(error.size()); // 8 characters in "position"
    if (error == L"length")
        text.append(text.max_size(), 'x');
    if (error == L"memory") {
        // Half the address space, more than any process here can have; kept, so it is not
        // optimised away.
        static char* volatile block;
        block = new char[PTRDIFF_MAX - error.size()];
        return block ? 0 : 1;
    }
    return 0; // not reached for a known error
}
