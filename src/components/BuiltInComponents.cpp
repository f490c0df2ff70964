#include "components/BuiltInComponents.h"

#include "components/DataStreamComponent.h"
#include "components/SessionInfoWrapper.h"
#include "os/com/ComClassTable.h"
#include "os/xmldom/XmlDom.h"

// Each in process only, under its ProgID.
void RegisterBuiltInComponents() {
    using namespace kavelin::components;
    kavelin::os::RegisterBuiltInClass(kSessionInfoProgId, SessionInfoWrapper::kClassId,
                                      CLSCTX_INPROC_SERVER,
                                      &kavelin::CreateComObject<SessionInfoWrapper>);
    kavelin::os::RegisterBuiltInClass(kDataStreamProgId, DataStreamComponent::kClassId,
                                      CLSCTX_INPROC_SERVER,
                                      &kavelin::CreateComObject<DataStreamComponent>);
    kavelin::os::RegisterXmlDomClass();
}
