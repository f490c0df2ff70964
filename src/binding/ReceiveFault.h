#pragma once

struct soap;

// The answer reader's closing step after a failed decode: a tag mismatch directly inside the
// Body is read as a SOAP Fault (its status is returned); any other error closes the
// connection, so a half-read answer is never taken for the next one on a kept-alive socket.
int soap_recv_fault_in_body(struct soap* soap);
