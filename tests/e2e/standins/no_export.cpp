// A valid library that lacks the renderer plug-in's GPUconfigure entry point.
#include <windows.h>

extern "C" __declspec(dllexport) LONG __stdcall GPUinit() {
    return 0;
}
