#pragma once

struct soap;
struct soap_plugin;

namespace kavelin::transport {

// The message logging and playback plug-in: every outgoing request is written to the log in
// pieces and swallowed; the answer is read from "<action>Res.txt" in the SoapMsgs folder beside
// the library's own file, where <action> is the request's SOAP action. Give this attach
// function to soap_register_plugin_arg; its argument is not used.
int SoapMsgLogging(struct soap* soap, struct soap_plugin* plugin, void* unused);

// The identifier of the plug-in's record (soap_lookup_plugin).
inline constexpr char kSoapMsgLoggingId[] = "SoapMsgLogging";

// Whether the last answer the plug-in of this context was asked for had no response file (a
// missing answer, not a cut one); false without the plug-in.
bool SoapMsgLoggingAnswerMissing(struct soap* soap);

} // namespace kavelin::transport
