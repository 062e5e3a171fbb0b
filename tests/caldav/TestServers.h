#pragma once

#include "support/TemporaryFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tp::test {

// A port on 127.0.0.1 nothing listens on right now.
int freeLoopbackPort();

// A server program started for a test and stopped with it.
class ServerProcess {
  public:
    ServerProcess() = default;
    ~ServerProcess() { stop(); }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Starts `arguments` and waits until `port` accepts connections; false when it never does.
    bool start(const std::vector<std::string>& arguments, int port);
    void stop();

  private:
    int pid_ = -1;
};

// Radicale on 127.0.0.1 with the users "anna" (password "geheim-a") and "bernd" ("geheim-b"),
// its calendars in a temporary folder, over https when given a certificate and key.
class RadicaleServer {
  public:
    explicit RadicaleServer(const std::filesystem::path& certificate = {},
                            const std::filesystem::path& key = {});
    ~RadicaleServer();
    RadicaleServer(const RadicaleServer&) = delete;
    RadicaleServer& operator=(const RadicaleServer&) = delete;
    bool start();
    void stop() { process_.stop(); }
    // "http://127.0.0.1:PORT"
    std::string origin() const;
    const TemporaryFolder& folder() const { return folder_; }

  private:
    TemporaryFolder folder_;
    std::filesystem::path storage_;
    int port_;
    bool https_;
    ServerProcess process_;
};

// A small HTTP/1.1 server with keep-alive that answers every request as `mode` says: "500",
// "garbage" (a 207 that is no XML), "empty" (an empty multistatus; PUT 201), "redirect" (to
// another host). It writes each request's method into `methodLog`.
class FakeDavServer {
  public:
    FakeDavServer(const std::string& mode, const std::filesystem::path& methodLog);
    bool started() const { return started_; }
    std::string origin() const;

  private:
    TemporaryFolder folder_;
    int port_;
    bool started_ = false;
    ServerProcess process_;
};

} // namespace tp::test
