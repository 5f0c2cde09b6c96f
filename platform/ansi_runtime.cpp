// The program uses only the ANSI ("A") functions of Windows, and so must
// the runtime linked into it. The static C and C++ runtimes call three wide
// ("W") functions in passing (to find msvcrt.dll, to load the random-number
// provider, to make an unnamed semaphore); this file fills their import
// slots with ANSI equivalents, so the executable imports no W function.
#include <windows.h>

#include <string>

namespace {

// Names passed here are DLL names, plain ASCII.
std::string Narrow(LPCWSTR wide) {
    std::string narrow;
    for (; *wide != 0; ++wide) narrow += static_cast<char>(*wide < 0x80 ? *wide : '?');
    return narrow;
}

HMODULE WINAPI AnsiGetModuleHandle(LPCWSTR name) {
    return GetModuleHandleA(name == nullptr ? nullptr : Narrow(name).c_str());
}

HMODULE WINAPI AnsiLoadLibrary(LPCWSTR name) {
    return name == nullptr ? nullptr : LoadLibraryA(Narrow(name).c_str());
}

HANDLE WINAPI AnsiCreateSemaphore(LPSECURITY_ATTRIBUTES security, LONG initial, LONG maximum,
                                  LPCWSTR name) {
    return CreateSemaphoreA(security, initial, maximum,
                            name == nullptr ? nullptr : Narrow(name).c_str());
}

}  // namespace

// The import slots as the linker names them: __imp_F on 64 bits,
// __imp__F@ARGBYTES for the 32-bit stdcall functions.
#if defined(__i386__)
#define PELMORA_IMPORT_SLOT(function, argumentBytes) "__imp__" #function "@" #argumentBytes
#else
#define PELMORA_IMPORT_SLOT(function, argumentBytes) "__imp_" #function
#endif

extern "C" {
extern void* const pelmora_GetModuleHandleW __asm__(PELMORA_IMPORT_SLOT(GetModuleHandleW, 4));
extern void* const pelmora_LoadLibraryW __asm__(PELMORA_IMPORT_SLOT(LoadLibraryW, 4));
extern void* const pelmora_CreateSemaphoreW __asm__(PELMORA_IMPORT_SLOT(CreateSemaphoreW, 16));

void* const pelmora_GetModuleHandleW = reinterpret_cast<void*>(&AnsiGetModuleHandle);
void* const pelmora_LoadLibraryW = reinterpret_cast<void*>(&AnsiLoadLibrary);
void* const pelmora_CreateSemaphoreW = reinterpret_cast<void*>(&AnsiCreateSemaphore);
}
