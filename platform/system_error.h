#pragma once
#include <string>

namespace qennet::platform {

// The system's own wording for an error code, without the trailing line break.
std::wstring SystemErrorText(unsigned long error);

} // namespace qennet::platform
