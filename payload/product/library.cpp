// A library of the stand-in product: each build of this file answers its own number, so the
// product's libraries are real, loadable and distinct.
#include <windows.h>

extern "C" __declspec(dllexport) int libraryNumber() { return LIBRARY_NUMBER; }

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
