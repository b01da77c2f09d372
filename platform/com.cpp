#include "platform/com.h"

#include "platform/system_library.h"

namespace qennet::platform {

SystemError InitialiseCom() {
    static const SystemError result = [] {
        using InitialiseFn = HRESULT(WINAPI*)(LPVOID, DWORD);
        const auto initialise = LateBound<InitialiseFn>(late::kCoInitializeEx);
        if (!initialise)
            return SystemError::LastOr(ERROR_PROC_NOT_FOUND);
        const HRESULT initialised =
            initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        // Already initialised otherwise on this thread: COM is usable all the same.
        if (initialised == RPC_E_CHANGED_MODE)
            return SystemError();
        return SystemError::FromHResult(initialised);
    }();
    return result;
}

HRESULT CreateComObject(void*, REFCLSID type, REFIID interfaceId, void** object) {
    *object = nullptr;
    static const auto create = LateBound<decltype(&::CoCreateInstance)>(late::kCoCreateInstance);
    static const SystemError missing =
        create ? SystemError() : SystemError::LastOr(ERROR_PROC_NOT_FOUND);
    if (!create)
        return missing.AsHResult();
    if (const SystemError com = InitialiseCom())
        return com.AsHResult();
    return create(type, nullptr, CLSCTX_INPROC_SERVER, interfaceId, object);
}

} // namespace qennet::platform
