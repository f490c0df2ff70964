#include "HttpExchange.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int ConnectToUrl(const char* url) {
    unsigned port = 0;
    if (std::sscanf(url, "http://127.0.0.1:%u", &port) != 1 || port > 65535)
        return -1;
    const int sock = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        close(sock);
        return -1;
    }
    // As the SOAP engine does: a request is never held back for the next one.
    const int one = 1;
    setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return sock;
}

bool SendAll(int sock, const std::string& bytes) {
    for (size_t sent = 0; sent < bytes.size();) {
        const ssize_t n = send(sock, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

bool ReadAnswer(int sock, std::string& answer) {
    answer.clear();
    size_t headEnd = std::string::npos;
    size_t total = 0;
    char chunk[16384];
    while (headEnd == std::string::npos || answer.size() < total) {
        const ssize_t n = recv(sock, chunk, sizeof chunk, 0);
        if (n <= 0)
            return false;
        answer.append(chunk, static_cast<size_t>(n));
        if (headEnd != std::string::npos)
            continue;
        headEnd = answer.find("\r\n\r\n");
        if (headEnd == std::string::npos)
            continue;
        const size_t field = answer.find("Content-Length:");
        if (field == std::string::npos || field > headEnd)
            return false;
        total = headEnd + 4 + std::strtoul(answer.c_str() + field + 15, nullptr, 10);
    }
    return answer.compare(0, 12, "HTTP/1.1 200") == 0;
}
