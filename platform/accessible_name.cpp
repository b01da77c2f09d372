#include "platform/accessible_name.h"

#include "platform/com.h"

#include <initguid.h> // defines the GUIDs of the header below in this file
#include <oleacc.h>

// The header gives IID_PPV_ARGS no id for it: its IID_IAccPropServices, as numbers.
__CRT_UUID_DECL(IAccPropServices, 0x6e26e776, 0x04f0, 0x495d, 0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e,
                0x31, 0x69)

namespace qennet::platform {
namespace {

bool annotated = false; // a name was given, so the service exists

// The annotation service, made once on the window's thread when the first name is given (not at
// start-up) and released as the program ends.
IAccPropServices* Annotations() {
    static const ComPtr<IAccPropServices> service = [] {
        ComPtr<IAccPropServices> made;
        CreateComObject(nullptr, CLSID_AccPropServices, IID_PPV_ARGS(&made));
        return made;
    }();
    return service.Get();
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
