#pragma once

#include "kavelin/Export.h"

// Exported for hosts that expect it; it holds nothing and does nothing.
class KAVELIN_API CKavelin {
public:
    CKavelin();
    CKavelin& operator=(const CKavelin& other);
};
