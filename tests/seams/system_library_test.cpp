// The system's libraries as the loader is handed them: by their full path in the system folder,
// so that a file of the same name in the working folder never loads in their place.
#include "platform/system_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace qennet::platform;

TEST(SystemLibrary, IsHandedToTheLoaderByItsPathInTheSystemFolder) {
    struct Loader {
        HMODULE loadedAlready = nullptr;
        std::vector<std::wstring> handed; // each path the loader was given
    } loader;
    LibraryCalls calls;
    calls.context = &loader;
    calls.loaded = [](void* context, LPCWSTR) {
        return static_cast<Loader*>(context)->loadedAlready;
    };
    calls.load = [](void* context, LPCWSTR path) -> HMODULE {
        static_cast<Loader*>(context)->handed.push_back(path);
        return nullptr;
    };
    wchar_t folder[MAX_PATH] = {};
    ASSERT_NE(GetSystemDirectoryW(folder, MAX_PATH), 0u);
    const std::wstring system = std::wstring(folder) + L"\\";
    EXPECT_EQ(LoadSystemLibrary(L"xinput1_4.dll", calls), nullptr);
    EXPECT_EQ(LateBoundAddress(late::kJoyGetPosEx, calls), nullptr); // through OpenSystemLibrary
    EXPECT_EQ(loader.handed,
              (std::vector<std::wstring>{system + L"xinput1_4.dll", system + L"winmm.dll"}));
    loader.loadedAlready = GetModuleHandleW(L"user32.dll");
    EXPECT_EQ(OpenSystemLibrary(L"user32.dll", calls), loader.loadedAlready);
    EXPECT_EQ(loader.handed.size(), 2u) << "a library loaded already was loaded again";
}

} // namespace
