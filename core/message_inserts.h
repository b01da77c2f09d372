#pragma once
// The system's wording of an error may hold inserts: "%1 is not a valid Win32 application."
#include <string>
#include <string_view>

namespace qennet {

// The text with each "%1" (and any "!format!" after it) replaced by the name and each "%%" by a
// percent sign; other inserts are left as they are, so nothing is ever read in their place.
std::string FillFirstInsert(std::string_view text, std::string_view name);

} // namespace qennet
