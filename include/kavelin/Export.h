#pragma once

// Marks the few symbols that a host may see; everything else stays hidden.
#if defined(_WIN32)
#define KAVELIN_API __declspec(dllexport)
#else
#define KAVELIN_API __attribute__((visibility("default")))
#endif
