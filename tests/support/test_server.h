// A real HTTP server for the on-line tests, on 127.0.0.1 and a free port chosen
// by the system, running on its own thread. It serves the files it was given by
// path, records every request with its headers, and can be told to stall, to
// send a huge reply, to redirect or to set a cookie.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace testing_support {

struct SeenRequest {
  std::string path;
  std::multimap<std::string, std::string> headers;
  std::string header(const std::string& name) const;
};

class TestServer {
 public:
  TestServer();
  // An https server with the certificate and key (PEM files).
  TestServer(const std::string& certificateFile, const std::string& keyFile);
  ~TestServer();

  // "http://127.0.0.1:PORT/" (or https)
  std::string url() const;
  int port() const { return port_; }

  // The bytes served at the path (which starts with "/").
  void serve(const std::string& path, const std::string& bytes);
  void remove(const std::string& path);
  // The file list reply: "Ok!" then four lines per entry.
  void serveList(const std::vector<std::string>& linesAfterOk);

  std::vector<SeenRequest> requests() const;
  size_t count(const std::string& path) const;

  // Special replies at a path: one byte then silence; endless zeros (chunked, or
  // with the length given); a redirect; a cookie set, then echoed by /cookie-seen.
  void stallAt(const std::string& path);
  void hugeAt(const std::string& path, size_t bytes, bool announceLength);
  void redirect(const std::string& path, const std::string& location);
  // A reply that announces 1000 bytes and breaks off after the first ten.
  void truncatedAt(const std::string& path);
  // A reply of the given length that drips two bytes a second.
  void dripAt(const std::string& path, size_t bytes);

 private:
  TestServer(std::unique_ptr<httplib::Server> server, const std::string& scheme);
  void special(const std::string& path, std::function<void(const httplib::Request&, httplib::Response&)> handler);

  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
  std::string scheme_ = "http";
  mutable std::mutex mutex_;
  std::map<std::string, std::string> files_;
  std::vector<SeenRequest> seen_;
  std::map<std::string, std::function<void(const httplib::Request&, httplib::Response&)>> specials_;
  bool stopping_ = false;
};

// A port on 127.0.0.1 where nothing listens.
int closedPort();

}  // namespace testing_support
