// A valid library that lacks the renderer plug-in's GPUconfigure entry point. It is also the
// library the dependent stand-in plug-in needs.
#include <windows.h>

extern "C" __declspec(dllexport) LONG __stdcall GPUinit() {
    return 0;
}

extern "C" __declspec(dllexport) int QennetStandInDependency() {
    return 1;
}
