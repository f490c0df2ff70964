// Code tables of the auxiliary schema's enumerations.
#include "binding/CatalogueEnumCodec.h"

namespace {

const soap_code_map kDisplayCodes[] = {{ns1__Display__true, "true"},
                                       {ns1__Display__false, "false"},
                                       {ns1__Display__dependent, "dependent"},
                                       {0, nullptr}};

const soap_code_map kLoggingOptionsCodes[] = {{ns1__LoggingOptions__LogTimeStamps, "LogTimeStamps"},
                                              {ns1__LoggingOptions__LogAnnotators, "LogAnnotators"},
                                              {ns1__LoggingOptions__LogTracking, "LogTracking"},
                                              {0, nullptr}};

const soap_code_map kLoggingLevelsCodes[] = {
    {ns1__LoggingLevels__all, "all"},     {ns1__LoggingLevels__debug, "debug"},
    {ns1__LoggingLevels__info, "info"},   {ns1__LoggingLevels__warn, "warn"},
    {ns1__LoggingLevels__error, "error"}, {ns1__LoggingLevels__fatal, "fatal"},
    {ns1__LoggingLevels__off, "off"},     {0, nullptr}};

const soap_code_map kunboundedCodes[] = {{ns1__unbounded__unbounded, "unbounded"}, {0, nullptr}};

const soap_code_map kControlProtocolWKVCodes[] = {
    {ns1__ControlProtocolWKV__jobLanguage, "jobLanguage"},
    {ns1__ControlProtocolWKV__rawSocket, "rawSocket"},
    {ns1__ControlProtocolWKV__lineprinterDaemon, "lineprinterDaemon"},
    {ns1__ControlProtocolWKV__webServices, "webServices"},
    {ns1__ControlProtocolWKV__PWG_x002dPSI, "PWG-PSI"},
    {ns1__ControlProtocolWKV__postscript, "postscript"},
    {ns1__ControlProtocolWKV__PWG_x002dIPP, "PWG-IPP"},
    {0, nullptr}};

} // namespace

KAVELIN_CATALOGUE_ENUMERATION(ns1__Display, kDisplayCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(ns1__LoggingOptions, kLoggingOptionsCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(ns1__LoggingLevels, kLoggingLevelsCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(ns1__unbounded, kunboundedCodes, false)
KAVELIN_CATALOGUE_ENUMERATION(ns1__ControlProtocolWKV, kControlProtocolWKVCodes, false)
