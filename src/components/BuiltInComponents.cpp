#include "components/BuiltInComponents.h"

#include "components/DataStreamComponent.h"
#include "components/SessionInfoWrapper.h"
#include "os/com/ComClassTable.h"
#include "os/xmldom/XmlDom.h"

void RegisterBuiltInComponents() {
    kavelin::os::RegisterBuiltInClass(
        kSessionInfoProgId, kavelin::components::SessionInfoWrapper::kClassId, CLSCTX_INPROC_SERVER,
        &kavelin::CreateComObject<kavelin::components::SessionInfoWrapper>);
    kavelin::os::RegisterXmlDomClass();
    kavelin::components::RegisterDataStreamComponent();
}
