#include "kavelin/Export.h"

extern "C" KAVELIN_API int fnKavelin() { return 42; }
