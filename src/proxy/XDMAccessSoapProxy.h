#pragma once

#include "proxy/BaseSoapProxy.h"
#include "proxy/ParameterDocuments.h"

namespace kavelin::proxy {

// The object that `maker` hands out: the base proxy with the device's data-access operations.
class XDMAccessSoapProxy : public BaseSoapProxy {
public:
    std::string GetData(std::string path, std::string prefixMap, int32_t word1,
                        int32_t word2) override;
    bool SetData(std::string document, uint8_t resultsDetails, int32_t word1,
                 int32_t word2) override;
    std::string GetSettable(int32_t word) override;

private:
    // GetData's work inside its Enter and Exit lines.
    std::string GetDataWork(const std::string& path, const std::string& prefixMap);

    PrefixMapReader mPrefixMaps;
};

} // namespace kavelin::proxy
