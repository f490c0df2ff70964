// The floor of an HTTP exchange: one kept-alive socket that writes a prebuilt request (the
// proxy's own bytes) and reads the answer by its Content-Length, with no SOAP engine at all.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "ClientMeasure.h"
#include "HttpExchange.h"

int main(int argc, char** argv) {
    ClientArguments arguments;
    if (!ReadClientArguments(argc, argv, arguments) || argc < 5) {
        std::fprintf(stderr, "usage: %s URL CALLS RSS_MARK REQUEST_FILE\n", argv[0]);
        return 2;
    }
    std::ifstream file(argv[4], std::ios::binary);
    const std::string request((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
    const int sock = ConnectToUrl(arguments.url);
    if (request.empty() || sock < 0) {
        std::fprintf(stderr, "raw client: no request in %s or no connection to %s\n", argv[4],
                     arguments.url);
        return 2;
    }
    std::string answer;
    const int status =
        MeasureCalls(arguments, [&] { return SendAll(sock, request) && ReadAnswer(sock, answer); });
    close(sock);
    return status;
}
