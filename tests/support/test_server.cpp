// The test HTTP server.
#include "support/test_server.h"

#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace testing_support {

std::string SeenRequest::header(const std::string& name) const {
  auto it = headers.find(name);
  return it == headers.end() ? "<none>" : it->second;
}

TestServer::TestServer() : TestServer(std::make_unique<httplib::Server>(), "http") {}

TestServer::TestServer(const std::string& certificateFile, const std::string& keyFile)
    : TestServer(std::make_unique<httplib::SSLServer>(certificateFile.c_str(), keyFile.c_str()), "https") {}

TestServer::TestServer(std::unique_ptr<httplib::Server> server, const std::string& scheme)
    : server_(std::move(server)), scheme_(scheme) {
  // Requests are recorded before they are answered, so a client never sees a
  // reply whose request is not yet on the record.
  server_->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
    std::lock_guard lock(mutex_);
    SeenRequest seen{request.path, {}};
    for (const auto& [name, value] : request.headers) seen.headers.emplace(name, value);
    seen_.push_back(std::move(seen));
    return httplib::Server::HandlerResponse::Unhandled;
  });
  server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
    std::function<void(const httplib::Request&, httplib::Response&)> special;
    {
      std::lock_guard lock(mutex_);
      if (auto it = specials_.find(request.path); it != specials_.end()) special = it->second;
    }
    if (special) return special(request, response);
    std::lock_guard lock(mutex_);
    if (request.path == "/set-cookie") {
      response.set_header("Set-Cookie", "sessao=abc123; Path=/");
      response.set_content("ok", "text/plain");
      return;
    }
    if (request.path == "/cookie-seen") {
      response.set_content(request.get_header_value("Cookie"), "text/plain");
      return;
    }
    auto file = files_.find(request.path);
    if (file == files_.end()) {
      response.status = 404;
      return;
    }
    response.set_content(file->second, "application/octet-stream");
  });
  port_ = server_->bind_to_any_port("127.0.0.1");
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  // Ready once a connection is answered.
  for (int attempt = 0; attempt < 200 && !server_->is_running(); ++attempt)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

TestServer::~TestServer() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  server_->stop();
  thread_.join();
}

std::string TestServer::url() const { return scheme_ + "://127.0.0.1:" + std::to_string(port_) + "/"; }

void TestServer::serve(const std::string& path, const std::string& bytes) {
  std::lock_guard lock(mutex_);
  files_[path] = bytes;
}

void TestServer::remove(const std::string& path) {
  std::lock_guard lock(mutex_);
  files_.erase(path);
}

void TestServer::serveList(const std::vector<std::string>& linesAfterOk) {
  std::string reply = "Ok!\r\n";
  for (const auto& line : linesAfterOk) reply += line + "\r\n";
  serve("/mrd2023/ONlstarq.php", reply);
}

std::vector<SeenRequest> TestServer::requests() const {
  std::lock_guard lock(mutex_);
  return seen_;
}

size_t TestServer::count(const std::string& path) const {
  std::lock_guard lock(mutex_);
  size_t n = 0;
  for (const auto& request : seen_) n += request.path == path;
  return n;
}

void TestServer::stallAt(const std::string& path) {
  special(path, [this](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider("application/octet-stream", [this](size_t offset, httplib::DataSink& sink) {
      if (offset == 0) sink.write("X", 1);
      // Silence until the client gives up (the connection closes) or the server stops.
      auto until = std::chrono::steady_clock::now() + std::chrono::seconds(12);
      while (std::chrono::steady_clock::now() < until && sink.is_writable()) {
        {
          std::lock_guard lock(mutex_);
          if (stopping_) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      }
      sink.done();
      return false;
    });
  });
}

void TestServer::dripAt(const std::string& path, size_t bytes) {
  special(path, [this, bytes](const httplib::Request&, httplib::Response& response) {
    response.set_content_provider(bytes, "application/octet-stream",
                                  [this](size_t, size_t, httplib::DataSink& sink) {
                                    {
                                      std::lock_guard lock(mutex_);
                                      if (stopping_) return false;
                                    }
                                    std::this_thread::sleep_for(std::chrono::milliseconds(500));
                                    return sink.write("x", 1);
                                  });
  });
}

void TestServer::hugeAt(const std::string& path, size_t bytes, bool announceLength) {
  special(path, [bytes, announceLength](const httplib::Request&, httplib::Response& response) {
    static const std::string block(1 << 20, '\0');
    auto provide = [bytes](size_t offset, httplib::DataSink& sink) {
      if (offset >= bytes) {
        sink.done();
        return true;
      }
      return sink.write(block.data(), std::min(block.size(), bytes - offset));
    };
    if (announceLength)
      response.set_content_provider(bytes, "application/octet-stream",
                                    [provide](size_t offset, size_t, httplib::DataSink& sink) { return provide(offset, sink); });
    else
      response.set_chunked_content_provider("application/octet-stream", provide);
  });
}

void TestServer::truncatedAt(const std::string& path) {
  special(path, [](const httplib::Request&, httplib::Response& response) {
    response.set_content_provider(1000, "application/octet-stream", [](size_t, size_t, httplib::DataSink& sink) {
      sink.write("msg= meio\r", 10);
      return false;  // the connection closes with the reply unfinished
    });
  });
}

void TestServer::redirect(const std::string& path, const std::string& location) {
  special(path, [location](const httplib::Request&, httplib::Response& response) {
    response.set_redirect(location);
  });
}

void TestServer::special(const std::string& path,
                         std::function<void(const httplib::Request&, httplib::Response&)> handler) {
  std::lock_guard lock(mutex_);
  specials_[path] = std::move(handler);
}

int closedPort() {
  // Bind a socket to a free port, then close it: nothing listens there now.
  int socket = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
  socklen_t length = sizeof address;
  ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(socket);
  return ntohs(address.sin_port);
}

}  // namespace testing_support
