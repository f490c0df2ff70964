#include "components/BuiltInComponents.h"

#include "components/DataStreamComponent.h"
#include "components/SessionInfoWrapper.h"
#include "os/ComClassTable.h"
#include "os/XmlDom.h"

void RegisterBuiltInComponents() {
    os::RegisterBuiltInClass(kSessionInfoProgId, components::SessionInfoWrapper::kClassId,
                             CLSCTX_INPROC_SERVER,
                             &kavelin::CreateComObject<components::SessionInfoWrapper>);
    os::RegisterXmlDomClass();
    components::RegisterDataStreamComponent();
}
