// Loading the socket library, binding its functions, start-up and clean-up.
#include "platform/socket_api.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <functional>
#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "platform/socket_library.h"
#include "tests/logging/log_capture.h"

namespace {

// What the test opener answers, and how often load asked for a library.
VexSocketLibrary offered;
std::atomic<int> opened{0};

const VexSocketLibrary* open_offered() {
  ++opened;
  return &offered;
}

const VexSocketLibrary* open_nothing() {
  ++opened;
  return nullptr;
}

const VexSocketLibrary* open_slowly() {
  ++opened;
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  return &offered;
}

const std::string kEnter = "[NVexSocketAPI::set_api] enter.";
const std::string kExit = "[NVexSocketAPI::set_api] exit.";

std::string missing_line(const std::string& function, int error) {
  return "[NVexSocketAPI::set_api] fail GetProcAddress \"" + function +
         "\": GetLastError()=" + std::to_string(error);
}

class SocketApiTest : public ::testing::Test {
 protected:
  SocketApiTest() {
    offered = *vex_system_socket_library();
    opened = 0;
  }

  // The messages of the Error lines, leaving out the Trace lines of a first load.
  std::vector<std::string> error_messages() const {
    std::vector<std::string> errors;
    const std::size_t level = vex::test::kLineHeaderLength;
    for (const std::string& line : capture_.lines()) {
      if (line.compare(level, vex::test::kLevelTextLength, "Error, ") == 0) {
        errors.push_back(line.substr(level + vex::test::kLevelTextLength));
      }
    }
    return errors;
  }

  vex::test::LogCapture capture_{"socket"};
};

TEST_F(SocketApiTest, SystemLibraryBindsEveryFunctionOnce) {
  vex::ScopedSocketLibrary library(&open_offered);
  EXPECT_FALSE(NVexSocketAPI::is_loaded());
  EXPECT_EQ(NVexSocketAPI::load(), vex::kOk);
  EXPECT_TRUE(NVexSocketAPI::is_loaded());
  EXPECT_EQ(NVexSocketAPI::load(), vex::kOk);
  EXPECT_TRUE(NVexSocketAPI::ipv6_api_available());
  EXPECT_EQ(opened.load(), 1);
  const VexSocketFunctions& api = NVexSocketAPI::api();
  EXPECT_EQ(api.socket, offered.functions.socket);
  EXPECT_EQ(api.fd_is_set, offered.functions.fd_is_set);
  EXPECT_EQ(api.freeaddrinfo, offered.functions.freeaddrinfo);
  EXPECT_EQ(capture_.messages(), (std::vector<std::string>{kEnter, kExit}));
}

TEST_F(SocketApiTest, NoLibraryAnswersCannotLoadAndTriesAgain) {
  vex::ScopedSocketLibrary library(&open_nothing);
  EXPECT_EQ(NVexSocketAPI::load(), vex::kCannotLoad);
  EXPECT_FALSE(NVexSocketAPI::is_loaded());
  EXPECT_EQ(NVexSocketAPI::startup_v1_1(), vex::kCannotLoad);
  EXPECT_EQ(NVexSocketAPI::startup_v2_2(), vex::kCannotLoad);
  EXPECT_FALSE(NVexSocketAPI::ipv6_api_available());
  EXPECT_EQ(NVexSocketAPI::cleanup(), vex::kOk);
  EXPECT_EQ(opened.load(), 4);
  EXPECT_TRUE(capture_.messages().empty());
}

TEST_F(SocketApiTest, MissingRequiredFunctionFailsTheLoadAndNamesIt) {
  struct Case {
    const char* function;
    std::function<void(VexSocketFunctions&)> remove;
  };
  const Case cases[] = {
      {"WSAStartup", [](VexSocketFunctions& f) { f.startup = nullptr; }},
      {"select", [](VexSocketFunctions& f) { f.select = nullptr; }},
      {"ioctlsocket", [](VexSocketFunctions& f) { f.ioctl = nullptr; }},
      {"__WSAFDIsSet", [](VexSocketFunctions& f) { f.fd_is_set = nullptr; }},
  };
  for (const Case& c : cases) {
    capture_.clear();
    offered = *vex_system_socket_library();
    c.remove(offered.functions);
    opened = 0;
    vex::ScopedSocketLibrary library(&open_offered);
    EXPECT_EQ(NVexSocketAPI::load(), vex::kFailed) << c.function;
    EXPECT_FALSE(NVexSocketAPI::is_loaded()) << c.function;
    EXPECT_EQ(capture_.messages(),
              (std::vector<std::string>{kEnter, missing_line(c.function, 127), kExit}))
        << c.function;
    EXPECT_EQ(NVexSocketAPI::load(), vex::kFailed) << c.function;
    EXPECT_EQ(opened.load(), 2) << c.function;
  }
}

TEST_F(SocketApiTest, MissingOptionalFunctionsTurnOffTheIpv6Api) {
  struct Case {
    const char* function;
    std::function<void(VexSocketFunctions&)> remove;
    int lookup_error;
    vex::Result load;
  };
  const Case cases[] = {
      {"getaddrinfo", [](VexSocketFunctions& f) { f.getaddrinfo = nullptr; }, 127, vex::kOk},
      {"freeaddrinfo", [](VexSocketFunctions& f) { f.freeaddrinfo = nullptr; }, 126, vex::kOk},
      {"getnameinfo", [](VexSocketFunctions& f) { f.getnameinfo = nullptr; }, 5, vex::kFailed},
  };
  for (const Case& c : cases) {
    capture_.clear();
    offered = *vex_system_socket_library();
    c.remove(offered.functions);
    offered.lookup_error = c.lookup_error;
    vex::ScopedSocketLibrary library(&open_offered);
    EXPECT_EQ(NVexSocketAPI::load(), c.load) << c.function;
    EXPECT_FALSE(NVexSocketAPI::ipv6_api_available()) << c.function;
    std::vector<std::string> expected{kEnter, kExit};
    if (c.load != vex::kOk) expected.insert(expected.begin() + 1, missing_line(c.function, 5));
    // A failed load runs set_api again for ipv6_api_available.
    std::vector<std::string> messages = capture_.messages();
    messages.resize(expected.size());
    EXPECT_EQ(messages, expected) << c.function;
  }
}

TEST_F(SocketApiTest, FailedBindingKeepsTheBoundTable) {
  ASSERT_EQ(NVexSocketAPI::load(), vex::kOk);
  VexSocketLibrary broken = *vex_system_socket_library();
  broken.functions.socket = [](int, int, int) { return -1; };
  broken.functions.select = nullptr;
  EXPECT_EQ(NVexSocketAPI::set_api(&broken), vex::kFailed);
  EXPECT_EQ(NVexSocketAPI::api().socket, vex_system_socket_library()->functions.socket);
  EXPECT_EQ(NVexSocketAPI::set_api(nullptr), vex::kFailed);
  EXPECT_TRUE(NVexSocketAPI::ipv6_api_available());
}

TEST_F(SocketApiTest, StartupsAndCleanupsBalance) {
  const int balance = vex::socket_startup_balance();
  ASSERT_EQ(NVexSocketAPI::startup_v1_1(), vex::kOk);
  ASSERT_EQ(NVexSocketAPI::startup_v2_2(), vex::kOk);
  EXPECT_EQ(vex::socket_startup_balance(), balance + 2);
  EXPECT_EQ(NVexSocketAPI::cleanup(), vex::kOk);
  EXPECT_EQ(NVexSocketAPI::cleanup(), vex::kOk);
  EXPECT_EQ(vex::socket_startup_balance(), balance);
  if (balance == 0) {
    // A clean-up without a start-up fails and leaves the balance alone.
    EXPECT_EQ(NVexSocketAPI::cleanup(), vex::kFailed);
    EXPECT_EQ(vex::socket_startup_balance(), 0);
  }
  EXPECT_NE(NVexSocketAPI::api().startup(0), 0);  // no version asked for
  EXPECT_EQ(vex::socket_startup_balance(), balance);
  EXPECT_TRUE(error_messages().empty());
}

std::atomic<int> asked_version{0};

TEST_F(SocketApiTest, FailingStartupIsLoggedWithTheSocketError) {
  const int balance = vex::socket_startup_balance();
  vex::ScopedSocketOverride failing(&VexSocketFunctions::startup, [](std::uint16_t version) {
    asked_version = version;
    errno = ENOBUFS;
    return ENOBUFS;
  });
  EXPECT_EQ(NVexSocketAPI::startup_v1_1(), vex::kFailed);
  EXPECT_EQ(asked_version.load(), 0x0101);
  EXPECT_EQ(NVexSocketAPI::startup_v2_2(), vex::kFailed);
  EXPECT_EQ(asked_version.load(), 0x0202);
  EXPECT_EQ(vex::socket_startup_balance(), balance);
  const std::string error = std::to_string(ENOBUFS);
  EXPECT_EQ(error_messages(),
            (std::vector<std::string>{"fail WSAStartup(1.1). WSAGetLastError()=" + error,
                                      "fail WSAStartup(2.2). WSAGetLastError()=" + error}));
}

TEST_F(SocketApiTest, OverrideIsPutBackAtScopeEnd) {
  auto* const system_socket = vex_system_socket_library()->functions.socket;
  {
    vex::ScopedSocketOverride failing(&VexSocketFunctions::socket, [](int, int, int) {
      errno = EMFILE;
      return -1;
    });
    EXPECT_NE(NVexSocketAPI::api().socket, system_socket);
  }
  EXPECT_EQ(NVexSocketAPI::api().socket, system_socket);
}

TEST_F(SocketApiTest, ThreadsLoadingAtOnceLoadOnce) {
  vex::ScopedSocketLibrary library(&open_slowly);
  constexpr int kThreads = 8;
  std::latch start(kThreads);
  std::vector<vex::Result> results(kThreads, -99);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      start.arrive_and_wait();
      results[i] = NVexSocketAPI::load();
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(results, std::vector<vex::Result>(kThreads, vex::kOk));
  EXPECT_EQ(opened.load(), 1);
  EXPECT_EQ(capture_.messages(), (std::vector<std::string>{kEnter, kExit}));
}

}  // namespace
