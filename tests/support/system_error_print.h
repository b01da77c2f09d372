#pragma once
// What a failed expectation prints for the platform's error type: its number, as Windows shows it.
#include "platform/system_error.h"
#include "platform/text.h"

#include <ostream>

namespace qennet::platform {

inline void PrintTo(const SystemError& error, std::ostream* out) {
    *out << (error ? WideToUtf8(error.Number()) : "none");
}

} // namespace qennet::platform
