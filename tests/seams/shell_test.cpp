// The shell's conventions on a window of the test's own thread: the desktop shortcut read back
// through the shell's own link object, the clipboard while another program holds it, a drop from
// Explorer, and the ROM field's folder completion with a source of names standing in for the file
// system's (Wine's lists none).
#include "platform/clipboard.h"
#include "platform/dropped_files.h"
#include "platform/folder_completion.h"
#include "platform/shell_link.h"
#include "tests/support/registry_override.h"

#include <gtest/gtest.h>
#include <shlguid.h>
#include <shlobj.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace qennet::platform;

// A window with an edit field, of the test's own thread.
struct Field {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 300, 100,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 200,
                                24, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    ~Field() { DestroyWindow(window); }
};

std::wstring TemporaryFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return folder;
}

TEST(ShellLink, TheDesktopAsMovedAndALinkReadBackWholeOrRefusedAsTooLong) {
    const std::wstring moved = TemporaryFolder() + L"Moved Desktop";
    CreateDirectoryW(moved.c_str(), nullptr);
    const e2e::RegistryOverride desktop(
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders", L"Desktop",
        REG_SZ, moved.c_str(), static_cast<DWORD>((moved.size() + 1) * sizeof(wchar_t)));
    unsigned long error = 1;
    EXPECT_EQ(DesktopFolder(error), moved);
    EXPECT_EQ(error, 0u);

    const std::wstring program = L"C:\\windows\\notepad.exe";
    const std::wstring arguments = L"5 --roms-directory=\"D:\\R\u00f6ms\\\\\"";
    const std::wstring longest =
        arguments + std::wstring(kLongestShortcutArguments - arguments.size(), L'x');
    const std::wstring longestPath = L"C:\\" + std::wstring(MAX_PATH - 4, L'p');
    const struct {
        std::wstring target, arguments;
        unsigned long result;
    } cases[] = {{longestPath, arguments, 0},
                 {program, longest + L'x', kShortcutArgumentsTooLong},
                 {longestPath + L'p', arguments, kShortcutPathTooLong},
                 {program, longest, 0}}; // read back below
    const std::wstring file = moved + L"\\Game (2).lnk";
    for (const auto& c : cases) {
        DeleteFileW(file.c_str());
        EXPECT_EQ(SaveShellLink({c.target, c.arguments, L"C:\\Emulator", program, L"Game"}, file),
                  c.result);
        EXPECT_EQ(GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES, c.result == 0);
    }
    IShellLinkW* link = nullptr;
    IPersistFile* persisted = nullptr;
    ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IShellLinkW, reinterpret_cast<void**>(&link)));
    link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persisted));
    ASSERT_HRESULT_SUCCEEDED(persisted->Load(file.c_str(), STGM_READ));
    wchar_t text[INFOTIPSIZE] = {};
    int icon = -1;
    EXPECT_HRESULT_SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH));
    EXPECT_EQ(text, program);
    EXPECT_HRESULT_SUCCEEDED(link->GetArguments(text, INFOTIPSIZE));
    EXPECT_EQ(text, longest);
    EXPECT_HRESULT_SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH));
    EXPECT_STREQ(text, L"C:\\Emulator");
    EXPECT_HRESULT_SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &icon));
    EXPECT_EQ(text, program);
    EXPECT_EQ(icon, 0);
    EXPECT_HRESULT_SUCCEEDED(link->GetDescription(text, INFOTIPSIZE));
    EXPECT_STREQ(text, L"Game");
    persisted->Release();
    link->Release();
    DeleteFileW(file.c_str());
    RemoveDirectoryW(moved.c_str());
}

int refusals = 0; // the tries another program still holds the clipboard for
int opened = 0, waited = 0;

BOOL WINAPI OpenAfterRefusals(HWND owner) {
    ++opened;
    if (refusals-- > 0) {
        SetLastError(ERROR_ACCESS_DENIED); // as the system answers while another program has it
        return FALSE;
    }
    return OpenClipboard(owner);
}

void WINAPI CountWait(DWORD) {
    ++waited;
}

// Read as another window would: a clipboard left open fails it.
std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return L"(not opened)";
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

TEST(Clipboard, AnotherProgramIsWaitedForAboutASecondThenTheTextIsThere) {
    const Field field;
    const std::wstring line = L"Vresk.exe 5 --roms-directory=\"D:\\R\u00f6ms\"";
    const struct {
        int refusals;
        unsigned long result;
        int tries;
    } cases[] = {{0, 0, 1}, {10, 0, 11}, {11, ERROR_ACCESS_DENIED, 11}};
    for (const auto& c : cases) {
        ASSERT_EQ(PutTextOnClipboard(field.window, L"before"), 0u);
        refusals = c.refusals;
        opened = waited = 0;
        EXPECT_EQ(PutTextOnClipboard(field.window, line, {OpenAfterRefusals, CountWait}), c.result);
        EXPECT_EQ(opened, c.tries);
        EXPECT_EQ(waited, c.tries - 1) << "100 ms before each try after the first";
        EXPECT_EQ(ClipboardText(), c.result == 0 ? line : L"before");
    }
}

TEST(DroppedFiles, NamesOfAnyLengthInTheirOrderAndTheDropReleased) {
    const std::vector<std::wstring> names = {L"C:\\Roms\\sfex.zip", L"D:\\R\u00f6ms",
                                             L"C:\\" + std::wstring(300, L'r')};
    std::wstring list;
    for (const std::wstring& name : names)
        list += name + L'\0';
    list += L'\0';
    HGLOBAL drop = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
                               sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    std::memcpy(files + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(drop);
    EXPECT_EQ(TakeDroppedFiles(static_cast<HDROP>(drop)), names);
    EXPECT_EQ(GlobalFlags(drop), static_cast<UINT>(GMEM_INVALID_HANDLE)) << "released";

    const Field field;
    AcceptDroppedFiles(field.edit);
    EXPECT_EQ(GetWindowLongPtrW(field.edit, GWL_EXSTYLE) & (WS_EX_ACCEPTFILES | WS_EX_CLIENTEDGE),
              WS_EX_ACCEPTFILES | WS_EX_CLIENTEDGE);
}

// The file system's source of names as the shell has it, listing one folder.
class Names : public IACList2, public IEnumString {
  public:
    ULONG references = 0;
    DWORD options = 0;

    HRESULT WINAPI QueryInterface(REFIID id, void** object) override {
        *object = nullptr;
        if (IsEqualIID(id, IID_IACList) || IsEqualIID(id, IID_IACList2))
            *object = static_cast<IACList2*>(this);
        else if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IEnumString))
            *object = static_cast<IEnumString*>(this);
        if (*object)
            AddRef();
        return *object ? S_OK : E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return ++references; }
    ULONG WINAPI Release() override { return --references; }
    HRESULT WINAPI Expand(LPCWSTR) override { return S_OK; }
    HRESULT WINAPI SetOptions(DWORD set) override { return options = set, S_OK; }
    HRESULT WINAPI GetOptions(DWORD* set) override { return *set = options, S_OK; }
    HRESULT WINAPI Next(ULONG count, LPOLESTR* names, ULONG* given) override {
        const ULONG n = count > 0 && !listed_ ? 1 : 0;
        if (n == 1) {
            names[0] = static_cast<LPOLESTR>(CoTaskMemAlloc(sizeof L"C:\\Roms"));
            std::memcpy(names[0], L"C:\\Roms", sizeof L"C:\\Roms");
            listed_ = true;
        }
        if (given)
            *given = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT WINAPI Skip(ULONG) override { return E_NOTIMPL; }
    HRESULT WINAPI Reset() override { return listed_ = false, S_OK; }
    HRESULT WINAPI Clone(IEnumString**) override { return E_NOTIMPL; }

  private:
    bool listed_ = false;
};

Names names;
bool sourceMissing = false;

HRESULT WINAPI CreateWithNames(REFCLSID type, IUnknown* outer, DWORD context, REFIID id,
                               void** object) {
    if (!IsEqualCLSID(type, CLSID_ACListISF))
        return CreateInstanceFromOle32(type, outer, context, id, object);
    *object = nullptr;
    return sourceMissing ? REGDB_E_CLASSNOTREG : names.QueryInterface(id, object);
}

TEST(FolderCompletion, TheListOfFoldersOpensAsTypedAndAFieldWithoutItIsLeftAsItWas) {
    {
        const Field field;
        FolderCompletion system;
        EXPECT_TRUE(system.Attach(field.edit)) << "Wine 8 has every piece";
        EXPECT_FALSE(system.ListOpen());
    }
    {
        const Field field;
        const LONG_PTR before = GetWindowLongPtrW(field.edit, GWLP_WNDPROC);
        FolderCompletion completion;
        sourceMissing = true;
        EXPECT_FALSE(completion.Attach(field.edit, {CreateWithNames}));
        EXPECT_FALSE(completion.ListOpen());
        EXPECT_EQ(GetWindowLongPtrW(field.edit, GWLP_WNDPROC), before) << "not subclassed";
    }
    {
        const Field field;
        FolderCompletion completion;
        sourceMissing = false;
        ASSERT_TRUE(completion.Attach(field.edit, {CreateWithNames}));
        EXPECT_EQ(names.options & ACLO_FILESYSDIRS, static_cast<DWORD>(ACLO_FILESYSDIRS));
        for (wchar_t c : std::wstring(L"C:\\R"))
            SendMessageW(field.edit, WM_CHAR, c, 0);
        EXPECT_TRUE(completion.ListOpen());
        SendMessageW(field.edit, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_FALSE(completion.ListOpen());
    }
    EXPECT_EQ(names.references, 0u) << "everything released with the field and the completion";
}

} // namespace
