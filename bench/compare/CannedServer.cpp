// A device that costs next to nothing: each request gets a prebuilt answer chosen by its
// SOAPAction (the playback samples, "<action>Res.txt"), so what the comparison measures is the
// client. It listens on 127.0.0.1 (an ephemeral port) and on a Unix socket, answers many
// kept-alive connections from one thread (and ends those whose request asks for it), and stops
// when its standard input closes or after --duration seconds. "GET /last-request" answers with
// the last GetData request it was sent, so the comparison can check that every client sends the
// same bytes. A GetData posted to "/answer/BYTES" is answered with the sample's result text
// repeated to BYTES bytes.
//     compare-canned-server ANSWER_FOLDER UNIX_SOCKET_PATH [DURATION_SECONDS]
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "HttpExchange.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxConnections = 64;
constexpr size_t kMaxRequestBytes = 1 << 20;
// Below the proxy's default cap on an answer.
constexpr size_t kMaxAnswerBytes = 64 << 20;

std::map<std::string, std::string> ReadAnswers(const fs::path& folder) {
    std::map<std::string, std::string> answers;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with("Res.txt"))
            continue;
        std::ifstream file(entry.path(), std::ios::binary);
        answers[name.substr(0, name.size() - 7)] =
            std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    return answers;
}

int ListenTcp(unsigned& port) {
    const int sock = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(sock, 64) != 0 ||
        getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return -1;
    port = ntohs(address.sin_port);
    return sock;
}

int ListenUnix(const std::string& path) {
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return -1;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    unlink(path.c_str());
    if (bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(sock, 64) != 0)
        return -1;
    return sock;
}

// The value of a header field in the header block, without quotes; empty when absent.
std::string FieldValue(const std::string& head, const char* name) {
    const size_t at = head.find(name);
    if (at == std::string::npos)
        return {};
    size_t begin = at + std::strlen(name);
    const size_t end = head.find("\r\n", begin);
    while (begin < end && (head[begin] == ' ' || head[begin] == '"'))
        ++begin;
    size_t last = end;
    while (last > begin && head[last - 1] == '"')
        --last;
    return head.substr(begin, last - begin);
}

class CannedServer {
public:
    explicit CannedServer(std::map<std::string, std::string> answers)
        : mAnswers(std::move(answers)) {}

    // Answers every complete request in `input`; false when the connection is to be closed.
    bool Answer(int sock, std::string& input) {
        for (;;) {
            const size_t headEnd = input.find("\r\n\r\n");
            if (headEnd == std::string::npos)
                return input.size() <= kMaxRequestBytes;
            const std::string head = input.substr(0, headEnd + 4);
            const size_t total =
                headEnd + 4 +
                std::strtoul(FieldValue(head, "Content-Length:").c_str(), nullptr, 10);
            if (total > kMaxRequestBytes)
                return false;
            if (input.size() < total)
                return true;
            // A request that asks for the connection to end ends it once answered, as a
            // device's HTTP server does.
            if (!AnswerOne(sock, head, input.substr(0, total)) ||
                FieldValue(head, "Connection:") == "close")
                return false;
            input.erase(0, total);
        }
    }

private:
    // The sample GetData answer with its result text repeated to `bytes` bytes (made once).
    const std::string* SizedAnswer(size_t bytes) {
        if (const auto made = mSized.find(bytes); made != mSized.end())
            return &made->second;
        const auto sample = mAnswers.find("GetData");
        if (sample == mAnswers.end() || bytes > kMaxAnswerBytes)
            return nullptr;
        const std::string& text = sample->second;
        const size_t open = text.find("<GetDataResult>");
        const size_t close = text.find("</GetDataResult>");
        const size_t body = text.find("\r\n\r\n");
        if (open == std::string::npos || close == std::string::npos || body == std::string::npos)
            return nullptr;
        const size_t from = open + std::strlen("<GetDataResult>");
        // Whole entries of the sample, so that no entity reference is cut.
        const std::string entry = text.substr(from, close - from);
        std::string result;
        while (result.size() < bytes && !entry.empty())
            result += entry;
        const std::string envelope =
            text.substr(body + 4, from - body - 4) + result + text.substr(close);
        return &(mSized[bytes] = "HTTP/1.1 200 OK\r\nContent-Type: text/xml; charset=utf-8\r\n"
                                 "Content-Length: " +
                                 std::to_string(envelope.size()) + "\r\n\r\n" + envelope);
    }

    bool AnswerOne(int sock, const std::string& head, const std::string& request) {
        if (head.starts_with("GET /last-request ")) {
            const std::string answer =
                "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(mLastGetData.size()) +
                "\r\n\r\n" + mLastGetData;
            return SendAll(sock, answer);
        }
        const std::string action = FieldValue(head, "SOAPAction:");
        if (action == "GetData" && head.starts_with("POST /answer/")) {
            const std::string* sized = SizedAnswer(std::strtoul(head.c_str() + 13, nullptr, 10));
            return sized != nullptr && SendAll(sock, *sized);
        }
        const auto answer = mAnswers.find(action);
        if (answer == mAnswers.end())
            return false;
        if (action == "GetData")
            mLastGetData.assign(request);
        return SendAll(sock, answer->second);
    }

    std::map<std::string, std::string> mAnswers;
    std::map<size_t, std::string> mSized;
    std::string mLastGetData;
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ANSWER_FOLDER UNIX_SOCKET_PATH [DURATION_SECONDS]\n",
                     argv[0]);
        return 2;
    }
    auto answers = ReadAnswers(argv[1]);
    const long duration = argc > 3 ? std::strtol(argv[3], nullptr, 10) : 900;
    unsigned port = 0;
    const int tcp = ListenTcp(port);
    const int local = ListenUnix(argv[2]);
    if (answers.empty() || tcp < 0 || local < 0) {
        std::fprintf(stderr, "canned server: no answers in %s or cannot listen\n", argv[1]);
        return 1;
    }
    std::printf("listening on 127.0.0.1:%u\nlistening on unix:%s\n", port, argv[2]);
    std::fflush(stdout);

    CannedServer server(std::move(answers));
    std::vector<pollfd> watched{{STDIN_FILENO, POLLIN, 0}, {tcp, POLLIN, 0}, {local, POLLIN, 0}};
    std::vector<std::string> inputs(3);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(duration);
    char chunk[16384];
    while (std::chrono::steady_clock::now() < end) {
        if (poll(watched.data(), watched.size(), 1000) < 0)
            break;
        if (watched[0].revents != 0)
            break; // the comparison closed our input, or ended
        for (size_t i = 1; i < 3; ++i) {
            if ((watched[i].revents & POLLIN) == 0)
                continue;
            const int sock = accept(watched[i].fd, nullptr, nullptr);
            if (sock >= 0 && watched.size() - 3 < kMaxConnections) {
                watched.push_back({sock, POLLIN, 0});
                inputs.emplace_back();
            } else if (sock >= 0) {
                close(sock);
            }
        }
        for (size_t i = watched.size(); i-- > 3;) {
            if (watched[i].revents == 0)
                continue;
            const ssize_t n = recv(watched[i].fd, chunk, sizeof chunk, 0);
            if (n > 0 && (inputs[i].append(chunk, static_cast<size_t>(n)),
                          server.Answer(watched[i].fd, inputs[i])))
                continue;
            close(watched[i].fd);
            watched.erase(watched.begin() + static_cast<long>(i));
            inputs.erase(inputs.begin() + static_cast<long>(i));
        }
    }
    unlink(argv[2]);
    return 0;
}
