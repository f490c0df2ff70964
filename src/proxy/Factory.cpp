#include "kavelin/Kavelin.h"
#include "proxy/XDMAccessSoapProxy.h"

extern "C" KAVELIN_API IXDMAccessSoap* maker() {
    return new kavelin::proxy::XDMAccessSoapProxy();
}

extern "C" KAVELIN_API void demaker(IBaseSoap* proxy) {
    delete proxy;
}
