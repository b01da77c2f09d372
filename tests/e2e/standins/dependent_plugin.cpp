// A renderer plug-in that needs another library (the no-export stand-in) to load: copied alone,
// it is present but cannot be loaded, as a real plug-in whose runtime library is missing.
#include <windows.h>

extern "C" __declspec(dllimport) int QennetStandInDependency();

extern "C" __declspec(dllexport) LONG __stdcall GPUconfigure() {
    return QennetStandInDependency();
}
