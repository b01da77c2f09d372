#include "platform/accessible_name.h"

#include "platform/system_library.h"

#include <initguid.h> // defines the GUIDs of the header below in this file
#include <objbase.h>
#include <oleacc.h>

namespace qennet::platform {
namespace {

bool annotated = false; // a name was given, so the service exists

// The annotation service, made once on the window's thread and kept until the program ends. COM
// is looked up when the first name is given, not at start-up.
IAccPropServices* Annotations() {
    static IAccPropServices* service = [] {
        IAccPropServices* made = nullptr;
        const auto create = LateBound<decltype(&::CoCreateInstance)>(late::kCoCreateInstance);
        if (!create || InitialiseCom() != 0)
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
