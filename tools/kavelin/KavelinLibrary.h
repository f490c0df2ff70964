#pragma once

#include <string>
#include <vector>

#include "kavelin/Kavelin.h"

namespace kavelin::cli {

// The places libkavelin.so is looked for, in order: $KAVELIN_LIBRARY alone when it is set;
// otherwise the library of an installed tree beside this program (`executableFolder` followed
// by the relative library folder), the build tree's library, the configured install location.
std::vector<std::string> LibraryCandidates(const char* overridePath,
                                           const std::string& executableFolder);

// libkavelin.so loaded with dlopen and its two entry points, as any host would use them. It
// must outlive every object and exception the library made: their code lives in it.
class KavelinLibrary {
public:
    // Throws std::runtime_error naming the places tried.
    KavelinLibrary();
    ~KavelinLibrary();
    KavelinLibrary(const KavelinLibrary&) = delete;
    KavelinLibrary& operator=(const KavelinLibrary&) = delete;

    KavelinMaker maker() const { return mMaker; }
    KavelinDemaker demaker() const { return mDemaker; }

private:
    void* mHandle = nullptr;
    std::string mPath;
    KavelinMaker mMaker = nullptr;
    KavelinDemaker mDemaker = nullptr;
};

} // namespace kavelin::cli
