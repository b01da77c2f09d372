#pragma once
// Why a program or a plug-in could not be used, in words a player can act on: the system's own
// text where it is right, the real cause where the system's code misleads.
#include <string>

namespace qennet::ui {

// The cause line for a program (Vresk.exe, NOTEPAD.EXE) that StartProgram could not start with
// that command line.
std::wstring StartFailureCause(const std::wstring& program, const std::string& commandLine,
                               unsigned long error);

// The cause line for a renderer plug-in (a file name in the working directory) that could not be
// loaded.
std::wstring PluginLoadFailureCause(const std::string& fileName, unsigned long error);

} // namespace qennet::ui
