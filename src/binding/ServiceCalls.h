#pragma once

// The operations the library calls, with the generated calls' parameters. Each sends with the
// generated writer and reads the answer itself: where the generated reader would take an empty
// Body or an unexpected element for a Fault, these read what devices send (ReceiveFault.h).
#include "soapH.h"

namespace kavelin::binding {

int StartSession(struct soap* soap, const char* url, const char* action,
                 _bsi__StartSession* request, _bsi__StartSessionResponse* response);
int EndSession(struct soap* soap, const char* url, const char* action, char* request,
               char** answer);
int GetState(struct soap* soap, const char* url, const char* action, char* request,
             _bsi__GetStateResponse* response);
int GetSupportedEvents(struct soap* soap, const char* url, const char* action, char* request,
                       _bsi__GetSupportedEventsResponse* response);
int Subscribe(struct soap* soap, const char* url, const char* action, _bsi__Subscribe* request,
              _bsi__SubscribeResponse* response);
int Unsubscribe(struct soap* soap, const char* url, const char* action, _bsi__Unsubscribe* request,
                char** answer);

int GetData(struct soap* soap, const char* url, const char* action, _ixagd__GetData* request,
            __ixawsdl__GetDataResponse& response);
int GetSettable(struct soap* soap, const char* url, const char* action, char* request,
                __ixawsdl__GetSettableResponse& response);
int SetData(struct soap* soap, const char* url, const char* action, _ixasd__SetData* request,
            __ixawsdl__SetDataResponse& response);
int AddData(struct soap* soap, const char* url, const char* action, _ixaad__AddData* request,
            __ixawsdl__AddDataResponse& response);
int RemoveData(struct soap* soap, const char* url, const char* action, _ixard__RemoveData* request,
               __ixawsdl__RemoveDataResponse& response);

} // namespace kavelin::binding
