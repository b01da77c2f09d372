// The few C++ runtime pieces the launcher defines itself. It is built without exceptions, but the
// C++ library's prebuilt code (its std::string instantiations, its throw helpers, its operator
// new) was compiled with them, and linking any of it brings in the whole exception runtime and
// unwinder, some 200 KB. With these definitions none of that code is needed; where the library
// would throw, the program stops with a message, since it cannot go on correctly.
//
// All three parts are needed together: leave one out and the runtime comes back. With link-time
// optimisation that happens silently, so a test checks the exe for it (tests/imports).
#include "runtime/runtime_support.h"

#include <windows.h>

#include <charconv>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

// The strings the program uses, instantiated here (without exceptions) so the library's
// exception-enabled copies are not linked.
template class std::basic_string<char>;
template class std::basic_string<wchar_t>;

namespace qennet::runtime {
namespace {

constexpr wchar_t kHeadline[] = L"Qennet has to stop because of an internal error:\n";

// A fixed buffer: the message must not need memory, which may be what ran out.
wchar_t message[512];

// Appends ASCII text at *end, keeping room for the final null.
void Append(wchar_t*& end, const char* text, std::size_t length) {
    const wchar_t* last = message + (sizeof message / sizeof *message) - 1;
    for (std::size_t i = 0; i < length && end < last; ++i)
        *end++ = static_cast<unsigned char>(text[i]);
}

} // namespace

void StopOnInternalError(const char* reason) {
    static bool stopping = false;
    if (!stopping) { // an error while the message is up ends the program without a second one
        stopping = true;
        wchar_t* end = message;
        for (const wchar_t* c = kHeadline; *c; ++c)
            *end++ = *c;
        Append(end, reason, std::strlen(reason));
        *end = L'\0';
        MessageBoxW(nullptr, message, L"Qennet",
                    MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    }
    // Nothing of the program runs after this: no destructor, no handler of a broken state.
    TerminateProcess(GetCurrentProcess(), kInternalErrorExitCode);
    __builtin_trap();
}

namespace {

// The library's formatted reasons use only %s, %zu and %%.
[[noreturn]] void StopWithFormat(const char* format, va_list arguments) {
    char reason[256];
    char* end = reason;
    char* const last = reason + sizeof reason - 1;
    auto put = [&](const char* text, std::size_t length) {
        for (std::size_t i = 0; i < length && end < last; ++i)
            *end++ = text[i];
    };
    for (const char* c = format; *c; ++c) {
        if (c[0] == '%' && c[1] == 's') {
            const char* text = va_arg(arguments, const char*);
            put(text, std::strlen(text));
            ++c;
        } else if (c[0] == '%' && c[1] == 'z' && c[2] == 'u') {
            char digits[24];
            const auto result =
                std::to_chars(digits, digits + sizeof digits, va_arg(arguments, std::size_t));
            put(digits, static_cast<std::size_t>(result.ptr - digits));
            c += 2;
        } else if (c[0] == '%' && c[1] == '%') {
            put(c, 1);
            ++c;
        } else {
            put(c, 1);
        }
    }
    *end = '\0';
    StopOnInternalError(reason);
}

} // namespace
} // namespace qennet::runtime

// Memory: never null, since callers do not check.
void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    qennet::runtime::StopOnInternalError("out of memory");
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
// The nothrow forms (std::stable_sort asks for its buffer so) may answer null: their callers
// check and do without.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return std::malloc(size ? size : 1);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

// The library's throw helpers (bits/functexcept.h), each ending the program with its reason.
namespace std {
using qennet::runtime::StopOnInternalError;
void __throw_bad_exception() {
    StopOnInternalError("bad exception");
}
void __throw_bad_alloc() {
    StopOnInternalError("out of memory");
}
void __throw_bad_array_new_length() {
    StopOnInternalError("bad array length");
}
void __throw_bad_cast() {
    StopOnInternalError("bad cast");
}
void __throw_bad_typeid() {
    StopOnInternalError("bad typeid");
}
void __throw_logic_error(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_domain_error(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_invalid_argument(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_length_error(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_out_of_range(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_out_of_range_fmt(const char* format, ...) {
    va_list arguments;
    va_start(arguments, format);
    qennet::runtime::StopWithFormat(format, arguments);
}
void __throw_runtime_error(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_range_error(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_overflow_error(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_underflow_error(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_ios_failure(const char* reason) {
    StopOnInternalError(reason);
}
void __throw_ios_failure(const char* reason, int) {
    StopOnInternalError(reason);
}
void __throw_system_error(int) {
    StopOnInternalError("system error");
}
void __throw_future_error(int) {
    StopOnInternalError("future error");
}
void __throw_bad_function_call() {
    StopOnInternalError("empty function called");
}
} // namespace std
