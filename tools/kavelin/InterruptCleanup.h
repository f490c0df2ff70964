#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kavelin::cli {

// While armed, SIGINT and SIGTERM first remove the run's temporary folder (the named files in
// it, then the folder), then end the program as the signal would have. Disarming restores the
// handlers that were there before. One folder at a time.
void ArmInterruptCleanup(const std::filesystem::path& folder,
                         const std::vector<std::string>& fileNames);
void DisarmInterruptCleanup();

} // namespace kavelin::cli
