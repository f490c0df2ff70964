#pragma once

#include <string>
#include <vector>

// Texts handed to a C host: allocated here, so that the host frees them with kavelin_free
// into the heap they came from (on Windows each module may have its own).
namespace kavelin::capi {

// A zero-terminated copy; throws std::bad_alloc.
char* CopyText(const std::string& text);

// One block: the names' pointers, a null entry, then the texts they point at, so that one
// kavelin_free releases it all. Throws std::bad_alloc.
char** CopyList(const std::vector<std::string>& names);

} // namespace kavelin::capi
