// Loading libraries at run time.
#pragma once

namespace platform {

using LibraryHandle = void*;  // nullptr = not loaded

// Loads a library by the name a program asks for. "NAME.DLL" (any case) is
// looked for as "libname.so" in the folder of the running executable first,
// then through the system's library search path. Other names are passed to
// the system loader as they are.
LibraryHandle LoadLibrary(const char* name);

// The address of an exported function, or nullptr.
void* GetProcAddress(LibraryHandle library, const char* name);

}  // namespace platform
