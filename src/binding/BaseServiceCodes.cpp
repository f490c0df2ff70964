// Code tables of the base service's enumerations, in value order, with their conversions.
#include "binding/CatalogueEnumCodec.h"

namespace {

const soap_code_map kFaultReasonCodes[] = {
    {bsi__FaultReasonDescriptor_USCOREt__InternalError, "InternalError"},
    {bsi__FaultReasonDescriptor_USCOREt__ServiceStarting, "ServiceStarting"},
    {bsi__FaultReasonDescriptor_USCOREt__ServiceStopping, "ServiceStopping"},
    {bsi__FaultReasonDescriptor_USCOREt__SOEError, "SOEError"},
    {bsi__FaultReasonDescriptor_USCOREt__InvalidParameter, "InvalidParameter"},
    {bsi__FaultReasonDescriptor_USCOREt__InvalidSessionID, "InvalidSessionID"},
    {bsi__FaultReasonDescriptor_USCOREt__AuthorizationFailed, "AuthorizationFailed"},
    {bsi__FaultReasonDescriptor_USCOREt__AuthenticationFailed, "AuthenticationFailed"},
    {bsi__FaultReasonDescriptor_USCOREt__InvalidRole, "InvalidRole"},
    {bsi__FaultReasonDescriptor_USCOREt__LanguageNotSupported, "LanguageNotSupported"},
    {bsi__FaultReasonDescriptor_USCOREt__InvalidState, "InvalidState"},
    {bsi__FaultReasonDescriptor_USCOREt__NotImplemented, "NotImplemented"},
    {bsi__FaultReasonDescriptor_USCOREt__Unknown, "Unknown"},
    {0, nullptr}};

const soap_code_map kStateCodes[] = {{bsi__StateDescriptor_USCOREt__Stopped, "Stopped"},
                                     {bsi__StateDescriptor_USCOREt__Running, "Running"},
                                     {bsi__StateDescriptor_USCOREt__Unknown, "Unknown"},
                                     {0, nullptr}};

const soap_code_map kSecurityCodes[] = {
    {bsi__SecurityDescriptor_USCOREt__None, "None"},
    {bsi__SecurityDescriptor_USCOREt__UsernamePassword, "UsernamePassword"},
    {bsi__SecurityDescriptor_USCOREt__SAML, "SAML"},
    {bsi__SecurityDescriptor_USCOREt__WSSecurity, "WSSecurity"},
    {0, nullptr}};

const soap_code_map kDiagResultCodes[] = {
    {bsi__DiagResultDescriptor_USCOREt__Pass, "Pass"},
    {bsi__DiagResultDescriptor_USCOREt__Marginal, "Marginal"},
    {bsi__DiagResultDescriptor_USCOREt__Fail, "Fail"},
    {bsi__DiagResultDescriptor_USCOREt__Unsupported, "Unsupported"},
    {0, nullptr}};

const soap_code_map kAvailabilityCodes[] = {
    {bsi__AvailabilityDescriptor_USCOREt__Normal, "Normal"},
    {bsi__AvailabilityDescriptor_USCOREt__Warning, "Warning"},
    {bsi__AvailabilityDescriptor_USCOREt__AttentionRequired, "AttentionRequired"},
    {bsi__AvailabilityDescriptor_USCOREt__Critical, "Critical"},
    {bsi__AvailabilityDescriptor_USCOREt__Unknown, "Unknown"},
    {0, nullptr}};

const soap_code_map kLoadCodes[] = {{bsi__LoadDescriptor_USCOREt__Idle, "Idle"},
                                    {bsi__LoadDescriptor_USCOREt__Low, "Low"},
                                    {bsi__LoadDescriptor_USCOREt__Normal, "Normal"},
                                    {bsi__LoadDescriptor_USCOREt__Extreme, "Extreme"},
                                    {bsi__LoadDescriptor_USCOREt__Unknown, "Unknown"},
                                    {0, nullptr}};

const soap_code_map kSeverityCodes[] = {{bsi__SeverityDescriptor_USCOREt__Debug, "Debug"},
                                        {bsi__SeverityDescriptor_USCOREt__Info, "Info"},
                                        {bsi__SeverityDescriptor_USCOREt__Warn, "Warn"},
                                        {bsi__SeverityDescriptor_USCOREt__Error, "Error"},
                                        {bsi__SeverityDescriptor_USCOREt__Fatal, "Fatal"},
                                        {0, nullptr}};

const soap_code_map kEventReliabilityCodes[] = {
    {bsi__EventReliabilityDescriptor_USCOREt__NoRetry, "NoRetry"},
    {bsi__EventReliabilityDescriptor_USCOREt__Retry, "Retry"},
    {bsi__EventReliabilityDescriptor_USCOREt__PersistentRetry, "PersistentRetry"},
    {0, nullptr}};

const soap_code_map kEventDeliveryCodes[] = {
    {bsi__EventDeliveryDescriptor_USCOREt__ClientPull, "ClientPull"},
    {bsi__EventDeliveryDescriptor_USCOREt__ServicePush, "ServicePush"},
    {bsi__EventDeliveryDescriptor_USCOREt__Email, "Email"},
    {0, nullptr}};

} // namespace

KAVELIN_CATALOGUE_ENUMERATION(bsi__FaultReasonDescriptor_USCOREt, kFaultReasonCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(bsi__StateDescriptor_USCOREt, kStateCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(bsi__SecurityDescriptor_USCOREt, kSecurityCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(bsi__DiagResultDescriptor_USCOREt, kDiagResultCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(bsi__AvailabilityDescriptor_USCOREt, kAvailabilityCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(bsi__LoadDescriptor_USCOREt, kLoadCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(bsi__SeverityDescriptor_USCOREt, kSeverityCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(bsi__EventReliabilityDescriptor_USCOREt, kEventReliabilityCodes,
                              false)
KAVELIN_CATALOGUE_ENUMERATION(bsi__EventDeliveryDescriptor_USCOREt, kEventDeliveryCodes, false)
