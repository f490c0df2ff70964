#include "binding/Binding.h"

namespace kavelin::binding {

bsi__SessionTicket_USCOREt* ResultOf(const _bsi__StartSessionResponse& response) {
    return response.bsi__StartSessionResult ? response.bsi__StartSessionResult
                                            : response.bsi__return;
}

bsi__SubscriptionID_USCOREt* ResultOf(const _bsi__SubscribeResponse& response) {
    return response.bsi__SubscribeResult ? response.bsi__SubscribeResult : response.bsi__return;
}

bsi__EventList* ResultOf(const _bsi__GetSupportedEventsResponse& response) {
    return response.bsi__GetSupportedEventsResult ? response.bsi__GetSupportedEventsResult
                                                  : response.bsi__return;
}

std::string& ResultOf(_ixagd__GetDataResponse& response) {
    return response.GetDataResult.empty() && response.return_ ? *response.return_
                                                              : response.GetDataResult;
}

} // namespace kavelin::binding
