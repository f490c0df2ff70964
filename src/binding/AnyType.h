#pragma once

// One literal XML string: the in-memory form of xsd:anyType. Null means no content.
struct AnyType {
    char* text;
};
