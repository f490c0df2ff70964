#pragma once

// The COM vocabulary shared by the library and its hosts, under the Windows names, so that a
// Windows build takes the platform's own headers instead.
#include "kavelin/ComBstr.h"
#include "kavelin/ComError.h"
#include "kavelin/ComGuid.h"
#include "kavelin/ComInterfaces.h"
#include "kavelin/ComTypes.h"
