#include "platform/accessible_name.h"

#include "platform/system_library.h"

#include <initguid.h> // defines the GUIDs of the header below in this file
#include <objbase.h>
#include <oleacc.h>

namespace qennet::platform {
namespace {

using InitialiseComFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);

bool annotated = false; // a name was given, so the service exists

// The annotation service, made once on the window's thread and kept until the program ends.
IAccPropServices* Annotations() {
    static IAccPropServices* service = [] {
        IAccPropServices* made = nullptr;
        HMODULE com = LoadSystemLibrary(L"ole32.dll");
        if (!com)
            return made;
        auto initialise = reinterpret_cast<InitialiseComFn>(
            reinterpret_cast<void*>(GetProcAddress(com, "CoInitializeEx")));
        auto create = reinterpret_cast<CreateInstanceFn>(
            reinterpret_cast<void*>(GetProcAddress(com, "CoCreateInstance")));
        if (!initialise || !create)
            return made;
        const HRESULT result =
            initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        if (FAILED(result) && result != RPC_E_CHANGED_MODE)
            return made;
        if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                          IID_IAccPropServices, reinterpret_cast<void**>(&made))))
            made = nullptr;
        return made;
    }();
    return service;
}

} // namespace

bool SetAccessibleName(HWND control, const wchar_t* name) {
    IAccPropServices* service = Annotations();
    annotated =
        service && SUCCEEDED(service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                                     CHILDID_SELF, PROPID_ACC_NAME, name));
    return annotated;
}

void ClearAccessibleName(HWND control) {
    static const MSAAPROPID kName[] = {PROPID_ACC_NAME};
    if (!annotated)
        return; // never load COM only to clear nothing
    if (IAccPropServices* service = Annotations())
        service->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kName, 1);
}

} // namespace qennet::platform
