#include "RawHttpClient.h"

#include "DeviceNamespaces.h"

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kavelin_test {

namespace {

// A client on a new socket of `family` connected to `addr`, or an unconnected one.
template <typename Address> int ConnectedSocket(int family, const Address& addr) {
    const int fd = ::socket(family, SOCK_STREAM, 0);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0)
        return fd;
    ::close(fd);
    return -1;
}

} // namespace

RawHttpClient RawHttpClient::Tcp(std::uint16_t port) {
    const sockaddr_in addr{
        .sin_family = AF_INET, .sin_port = htons(port), .sin_addr = {htonl(INADDR_LOOPBACK)}};
    return RawHttpClient(ConnectedSocket(AF_INET, addr));
}

RawHttpClient RawHttpClient::Unix(const std::string& path) {
    sockaddr_un addr{.sun_family = AF_UNIX};
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    return RawHttpClient(ConnectedSocket(AF_UNIX, addr));
}

RawHttpClient::~RawHttpClient() {
    if (mFd >= 0)
        ::close(mFd);
}

RawHttpClient::RawHttpClient(RawHttpClient&& other) noexcept
    : mFd(other.mFd), mBuffer(std::move(other.mBuffer)) {
    other.mFd = -1;
}

bool RawHttpClient::Send(const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(mFd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

bool RawHttpClient::Fill(std::chrono::milliseconds timeout) {
    pollfd entry{mFd, POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(timeout.count())) <= 0)
        return false;
    char chunk[4096];
    const ssize_t got = ::recv(mFd, chunk, sizeof chunk, 0);
    if (got <= 0)
        return false;
    mBuffer.append(chunk, static_cast<std::size_t>(got));
    return true;
}

RawResponse RawHttpClient::Read(std::chrono::milliseconds timeout) {
    RawResponse response;
    std::size_t end;
    while ((end = mBuffer.find("\r\n\r\n")) == std::string::npos)
        if (!Fill(timeout))
            return response;
    response.head = mBuffer.substr(0, end + 2);
    mBuffer.erase(0, end + 4);
    if (response.head.compare(0, 9, "HTTP/1.1 ") == 0)
        response.status = std::atoi(response.head.c_str() + 9);
    const auto length = response.head.find("Content-Length: ");
    const std::size_t size =
        length == std::string::npos ? 0 : std::stoul(response.head.substr(length + 16));
    while (mBuffer.size() < size)
        if (!Fill(timeout))
            return response;
    response.body = mBuffer.substr(0, size);
    mBuffer.erase(0, size);
    response.complete = true;
    return response;
}

bool RawHttpClient::WaitForClose(std::chrono::milliseconds timeout) {
    pollfd entry{mFd, POLLIN, 0};
    if (::poll(&entry, 1, static_cast<int>(timeout.count())) <= 0)
        return false;
    char byte;
    return ::recv(mFd, &byte, 1, MSG_PEEK) == 0;
}

RawResponse RawHttpClient::Post(const std::string& envelope, const std::string& action,
                                const std::string& path) {
    std::string request =
        "POST " + path +
        " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: text/xml; charset=utf-8\r\n";
    request += "Content-Length: " + std::to_string(envelope.size()) + "\r\n";
    if (!action.empty())
        request += "SOAPAction: \"" + action + "\"\r\n";
    request += "\r\n" + envelope;
    Send(request);
    return Read();
}

std::string Envelope(const std::string& body, const std::string& sessionId) {
    using namespace kavelin::device::ns;
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><s:Envelope "
                       "xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\" xmlns:b=\"") +
           kBsi + "\" xmlns:g=\"" + kIxaGetData + "\" xmlns:w=\"" + kIxaSetData + "\">" +
           (sessionId.empty()
                ? ""
                : "<s:Header><b:SessionID>" + sessionId + "</b:SessionID></s:Header>") +
           "<s:Body>" + body + "</s:Body></s:Envelope>";
}

std::string ElementText(const std::string& xml, const std::string& qualifiedName) {
    const std::string open = "<" + qualifiedName + ">";
    const auto start = xml.find(open);
    if (start == std::string::npos)
        return {};
    const auto from = start + open.size();
    std::string text = xml.substr(from, xml.find("</" + qualifiedName + ">", from) - from);
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, plain] : entities)
        for (auto at = text.find(entity); at != std::string::npos; at = text.find(entity, at + 1))
            text.replace(at, std::strlen(entity), plain);
    return text;
}

} // namespace kavelin_test
