#pragma once

#include <string>

// Plain HTTP over a loopback socket, for the raw client and for reading back what the canned
// server was sent.

// A TCP connection to the port of an "http://127.0.0.1:PORT/..." URL; -1 when none.
int ConnectToUrl(const char* url);

bool SendAll(int sock, const std::string& bytes);

// Reads one answer into `answer`: the header block, then as many body bytes as it announces.
// False when the connection ends first or the status is not 200.
bool ReadAnswer(int sock, std::string& answer);
