#pragma once

// Marks a function a module hands to the program (LoadedModule.h); everything else in a module
// stays hidden.
#ifdef _WIN32
#define TP_MODULE_EXPORT extern "C" __declspec(dllexport)
#else
#define TP_MODULE_EXPORT extern "C" __attribute__((visibility("default")))
#endif
