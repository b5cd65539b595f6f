// The module's entry point: loading and unloading run only the runtime's own
// start-up and shut-down; everything else is static data.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}
