#include "TestServers.h"

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

namespace tp::test {

namespace {

sockaddr_in loopback(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool accepts(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = loopback(port);
    const bool connected =
        connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

// Answers as the mode says; the method log shows a test what reached the server.
constexpr const char* kFakeServerScript = R"(
import http.server, sys
port, mode, log = int(sys.argv[1]), sys.argv[2], sys.argv[3]
class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    def answer(self):
        length = int(self.headers.get("Content-Length") or 0)
        if length:
            self.rfile.read(length)
        with open(log, "a") as f:
            f.write(self.command + "\n")
        headers = {}
        if mode == "500":
            status, body = 500, b"kaputt"
        elif mode == "garbage":
            status, body = 207, b"<multistatus><response>kaputt"
        elif mode == "redirect":
            status, body = 301, b""
            headers["Location"] = "http://localhost:%d/anderswo/" % port
        elif self.command == "PUT":
            status, body = 201, b""
        else:
            status, body = 207, b'<?xml version="1.0"?><multistatus xmlns="DAV:"/>'
        self.send_response(status)
        for name, value in headers.items():
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    do_GET = do_PUT = do_DELETE = do_PROPFIND = do_REPORT = do_MKCALENDAR = answer
    def log_message(self, *args):
        pass
http.server.HTTPServer(("127.0.0.1", port), Handler).serve_forever()
)";

} // namespace

int freeLoopbackPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopback(0);
    bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

bool ServerProcess::start(const std::vector<std::string>& arguments, int port) {
    stop();
    pid_ = fork();
    if (pid_ == 0) {
        std::vector<char*> argv;
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (accepts(port))
            return true;
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) { // it ended without listening
            pid_ = -1;
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void ServerProcess::stop() {
    if (pid_ <= 0)
        return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

RadicaleServer::RadicaleServer(const std::filesystem::path& certificate,
                               const std::filesystem::path& key)
    : port_(freeLoopbackPort()), https_(!certificate.empty()) {
    // Radicale syncs every write to disk; in memory the tests do not wait for the disk.
    static std::atomic<int> counter{0};
    const std::filesystem::path memory = "/dev/shm";
    std::error_code ignored;
    storage_ = std::filesystem::is_directory(memory, ignored)
                   ? memory / ("turnoplaner-radicale-" + std::to_string(getpid()) + "-" +
                               std::to_string(counter++))
                   : folder_.path() / "collections";
    folder_.put("users", "anna:geheim-a\nbernd:geheim-b\n");
    std::string config = "[server]\nhosts = 127.0.0.1:" + std::to_string(port_) + "\n";
    if (https_)
        config +=
            "ssl = True\ncertificate = " + certificate.string() + "\nkey = " + key.string() + "\n";
    config +=
        "[auth]\ntype = htpasswd\nhtpasswd_filename = " + (folder_.path() / "users").string() +
        "\nhtpasswd_encryption = plain\n"
        "[storage]\nfilesystem_folder = " +
        storage_.string() + "\n[rights]\ntype = owner_only\n[logging]\nlevel = error\n";
    folder_.put("config", config);
}

RadicaleServer::~RadicaleServer() {
    stop();
    std::error_code ignored;
    std::filesystem::remove_all(storage_, ignored);
}

bool RadicaleServer::start() {
    return process_.start({RADICALE_PROGRAM, "--config", (folder_.path() / "config").string()},
                          port_);
}

std::string RadicaleServer::origin() const {
    return (https_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_);
}

FakeDavServer::FakeDavServer(const std::string& mode, const std::filesystem::path& methodLog)
    : port_(freeLoopbackPort()) {
    folder_.put("server.py", kFakeServerScript);
    started_ = process_.start({PYTHON_PROGRAM, (folder_.path() / "server.py").string(),
                               std::to_string(port_), mode, methodLog.string()},
                              port_);
}

std::string FakeDavServer::origin() const {
    return "http://127.0.0.1:" + std::to_string(port_);
}

} // namespace tp::test
