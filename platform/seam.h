#pragma once
// A seam is a system call a test replaces, and every seam has one shape: a struct of the calls a
// piece makes, `void* context = nullptr;` first, then each call as a function pointer whose first
// parameter is that context, defaulting to the system's. The piece takes the struct as its last
// parameter (or constructor parameter), the system's by default, and passes the context back at
// every call. A test's doubles receive it: a pointer to the test case's own state, so that no
// double keeps its state in a global.
//
//     struct FileCalls {
//         using AttributesFn = DWORD (*)(void* context, LPCWSTR path);
//         void* context = nullptr;
//         AttributesFn attributes = SystemCall<&::GetFileAttributesW>::Call;
//     };
//
// A call looked up at run time defaults to LateSystemCall's (system_library.h).
#include <windows.h>

namespace qennet::platform {

// The system's function F as a seam's call, which has no use for the context.
template <auto F> struct SystemCall;
template <typename R, typename... A, R(WINAPI* F)(A...)> struct SystemCall<F> {
    static R Call(void*, A... arguments) { return F(arguments...); }
};

} // namespace qennet::platform
