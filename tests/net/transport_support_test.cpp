// The transport support's text services and the choice of its implementation.
#include "net/transport_support.h"

#include <gtest/gtest.h>

#include <latch>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "framework/ownership.h"
#include "net/basic_transport_support.h"
#include "net/full_transport_support.h"
#include "platform/socket_api.h"
#include "platform/socket_library.h"
#include "snmp/model/model_heap.h"
#include "snmp/model/vex_address_list.h"
#include "snmp/model/vex_buffer.h"
#include "tests/logging/log_capture.h"
#include "tests/net/transport_answers.h"

namespace {

using namespace transport_test;

struct TextCase {
  const char* text;
  const char* full;
  const char* basic;
};

TEST(TransportSupportTexts, ProtocolOfText) {
  CVexFullTransportSupport full;
  CVexBasicTransportSupport basic;
  const TextCase cases[] = {
      {"192.168.1.10", "1/0", "1/0"},
      {"192.168.1.300", "0/-1", "0/-7"},
      {"1.2.3.4x", "0/-1", "0/-7"},
      {"FE80::1", "4/0", "0/-7"},
      {"fe80::1%1", "4/0", "0/-7"},
      {"0000000A:00a0b1c2d3e4", "2/0", "2/0"},
      {"0000000a:00a0b1c2d3e", "0/-1", "0/-7"},
      {"printer", "0/-1", "0/-7"},  // numeric only: no name is looked up
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(protocol_answer(full, c.text), c.full) << "full " << c.text;
    EXPECT_EQ(protocol_answer(basic, c.text), c.basic) << "basic " << c.text;
  }
  std::int32_t protocol = 0;
  EXPECT_EQ(full.protocol_of_text(nullptr, &protocol), -2);
  EXPECT_EQ(basic.protocol_of_text("10.0.0.1", nullptr), -2);
}

TEST(TransportSupportTexts, CanonicalText) {
  CVexFullTransportSupport full;
  CVexBasicTransportSupport basic;
  const TextCase cases[] = {
      {"192.168.1.10", "192.168.1.10", "192.168.1.10"},
      {"192.168.001.010", "192.168.1.8", "192.168.1.10"},  // the name service reads octal
      {"2001:0DB8:0000:0000:0000:0000:0000:0001", "2001:db8::1", "-7"},
      {"FE80:0000::0001%1", "fe80::1%1", "-7"},
      {"fe80::1%lo", "fe80::1%1", "-7"},  // the scope is written as the interface index
      {"0000000A:00a0b1c2d3e4", "0000000A:00a0b1c2d3e4", "0000000A:00a0b1c2d3e4"},
      {"printer", "-1", "-7"},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(canonical(full, c.text), c.full) << "full " << c.text;
    EXPECT_EQ(canonical(basic, c.text), c.basic) << "basic " << c.text;
  }
  IVexBuffer* out = nullptr;
  EXPECT_EQ(full.normalize_address_text("10.0.0.1", nullptr), -2);
  EXPECT_EQ(basic.normalize_address_text(nullptr, &out), -2);
}

TEST(TransportSupportTexts, ProcessWideTextFunctions) {
  bool flag = false;
  EXPECT_EQ(vex_is_address_text("2001:db8::1", &flag), 0);
  EXPECT_TRUE(flag);
  EXPECT_EQ(vex_is_address_text("printer", &flag), -1);
  EXPECT_EQ(vex_is_address_text("10.0.0.1", nullptr), -2);

  EXPECT_EQ(vex_same_address_text("2001:db8::1", "2001:DB8:0:0::0:1", &flag), 0);
  EXPECT_TRUE(flag);
  EXPECT_EQ(vex_same_address_text("198.18.0.1", "198.18.0.2", &flag), 0);
  EXPECT_FALSE(flag);
  EXPECT_EQ(vex_same_address_text("198.18.0.1", "printer", &flag), -1);
  EXPECT_EQ(vex_same_address_text(nullptr, "198.18.0.1", &flag), -2);
  EXPECT_EQ(vex_same_address_text("198.18.0.1", "198.18.0.1", nullptr), -2);
}

TEST(TransportSupportNames, ServicePort) {
  CVexFullTransportSupport full;
  CVexBasicTransportSupport basic;
  for (IVexTransportSupport* support :
       {static_cast<IVexTransportSupport*>(&full), static_cast<IVexTransportSupport*>(&basic)}) {
    std::uint16_t port = 0;
    EXPECT_EQ(support->service_port("snmp", 1, &port), 0);
    EXPECT_EQ(port, 161);
    EXPECT_EQ(support->service_port("snmp-trap", 0, &port), 0);
    EXPECT_EQ(port, 162);
    EXPECT_EQ(support->service_port("no-such-service", 1, &port), -1);
    EXPECT_EQ(support->service_port(nullptr, 1, &port), -2);
    EXPECT_EQ(support->service_port("snmp", 1, nullptr), -2);
  }
  std::uint16_t port = 0;
  EXPECT_EQ(full.service_port("snmp", 3, &port), -1);  // a protocol without a family
}

TEST(TransportSupportNames, IpxHasNoLocalHostAddress) {
  CVexFullTransportSupport full;
  CVexBasicTransportSupport basic;
  IVexNetworkAddress* address = nullptr;
  EXPECT_EQ(full.local_host_address(2, &address), -5);
  EXPECT_EQ(basic.local_host_address(2, &address), -5);
  EXPECT_EQ(full.local_host_address(1, nullptr), -2);
}

// Numeric host texts need no look-up, so they stay on this machine.
TEST(TransportSupportNames, NumericHostsResolveToThemselves) {
  CVexFullTransportSupport full;
  CVexBasicTransportSupport basic;
  EXPECT_EQ(resolved(full, "198.18.0.5"), "198.18.0.5 1 0; ");
  EXPECT_EQ(resolved(basic, "198.18.0.5"), "198.18.0.5 1 0; ");
  EXPECT_EQ(resolved(full, "2001:DB8::5"), "2001:db8::5 4 0; ");
  EXPECT_EQ(resolved(full, "fe80::5%1"), "fe80::5%1 4 0; ");
  IVexNetworkAddressList* list = nullptr;
  EXPECT_EQ(full.resolve_host(nullptr, &list), -2);
  EXPECT_EQ(basic.resolve_host("198.18.0.5", nullptr), -2);
}

// Whatever allocation fails, the look-up answers -3 and hands nothing out;
// with enough memory it succeeds.
TEST(TransportSupportNames, ResolveHostWithExhaustedMemory) {
  CVexFullTransportSupport full;
  CVexBasicTransportSupport basic;
  for (IVexTransportSupport* support :
       {static_cast<IVexTransportSupport*>(&full), static_cast<IVexTransportSupport*>(&basic)}) {
    bool succeeded = false;
    for (int allowed = 0; allowed < 10 && !succeeded; ++allowed) {
      IVexNetworkAddressList* list = nullptr;
      vex::Result result = 0;
      {
        const vex::AllocationLimit limit(allowed);
        result = support->resolve_host("198.18.0.5", &list);
      }
      const Owned<IVexNetworkAddressList> owner(list);
      succeeded = result == 0;
      if (!succeeded) {
        EXPECT_EQ(result, -3) << allowed;
        EXPECT_EQ(list, nullptr) << allowed;
      } else {
        EXPECT_GT(allowed, 2);
        EXPECT_EQ(list->count(), 1);
      }
    }
    EXPECT_TRUE(succeeded);
  }
}

// Every operation that starts the socket library cleans it up again, also
// when it fails.
TEST(TransportSupportLibrary, StartsAreBalanced) {
  CVexFullTransportSupport full;
  CVexBasicTransportSupport basic;
  ASSERT_EQ(NVexSocketAPI::load(), 0);
  const int before = vex::socket_startup_balance();
  canonical(full, "2001:db8::1");
  canonical(full, "printer");
  protocol_answer(full, "10.0.0.1");
  std::uint16_t port = 0;
  full.service_port("snmp", 1, &port);
  basic.service_port("no-such-service", 1, &port);
  bool flag = false;
  full.transport_available(1, &flag);
  full.transport_available(2, &flag);
  EXPECT_EQ(vex::socket_startup_balance(), before);
}

TEST(TransportSupportLibrary, FailingStartIsLoggedAndAnswersMinusOne) {
  CVexFullTransportSupport full;
  CVexBasicTransportSupport basic;
  const vex::test::LogCapture capture("socket", vex::kLogError);
  const vex::ScopedSocketOverride failing(&VexSocketFunctions::startup, [](std::uint16_t) {
    errno = 10091;
    return 10091;
  });
  EXPECT_EQ(canonical(full, "2001:db8::1"), "-1");
  std::uint16_t port = 0;
  EXPECT_EQ(basic.service_port("snmp", 1, &port), -1);
  EXPECT_EQ(canonical(basic, "10.0.0.1"), "10.0.0.1");  // the basic text forms need no library
  EXPECT_EQ(capture.messages(),
            (std::vector<std::string>{"fail WSAStartup(2.2). WSAGetLastError()=10091",
                                      "fail WSAStartup(1.1). WSAGetLastError()=10091"}));
}

const VexSocketLibrary* open_nothing() { return nullptr; }

VexSocketLibrary without_name_service;
const VexSocketLibrary* open_without_name_service() {
  without_name_service = *vex_system_socket_library();
  without_name_service.functions.getaddrinfo = nullptr;
  without_name_service.functions.getnameinfo = nullptr;
  without_name_service.functions.freeaddrinfo = nullptr;
  return &without_name_service;
}

TEST(TransportSupportLibrary, MissingLibraryAnswersCannotLoad) {
  const vex::ScopedSocketLibrary none(&open_nothing);
  CVexFullTransportSupport full;
  CVexBasicTransportSupport basic;
  EXPECT_EQ(canonical(full, "2001:db8::1"), "-10");
  std::uint16_t port = 0;
  EXPECT_EQ(basic.service_port("snmp", 1, &port), -10);
  EXPECT_EQ(canonical(basic, "10.0.0.1"), "10.0.0.1");
}

TEST(TransportSupportChoice, FullWithTheNameServiceBasicOtherwise) {
  {
    const std::unique_ptr<IVexTransportSupport> chosen = vex::make_transport_support();
    EXPECT_NE(dynamic_cast<CVexFullTransportSupport*>(chosen.get()), nullptr);
  }
  {
    const vex::ScopedSocketLibrary library(&open_without_name_service);
    const std::unique_ptr<IVexTransportSupport> chosen = vex::make_transport_support();
    EXPECT_NE(dynamic_cast<CVexBasicTransportSupport*>(chosen.get()), nullptr);
  }
  {
    const vex::ScopedSocketLibrary library(&open_nothing);
    const std::unique_ptr<IVexTransportSupport> chosen = vex::make_transport_support();
    EXPECT_NE(dynamic_cast<CVexBasicTransportSupport*>(chosen.get()), nullptr);
  }
}

TEST(TransportSupportChoice, OneObjectForTheWholeProcess) {
  constexpr int kThreads = 8;
  std::vector<IVexTransportSupport*> seen(kThreads, nullptr);
  std::latch start(kThreads);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      start.arrive_and_wait();
      EXPECT_EQ(vex_transport_support(&seen[static_cast<std::size_t>(i)]), 0);
    });
  }
  for (std::thread& t : threads) t.join();
  ASSERT_NE(seen[0], nullptr);
  for (IVexTransportSupport* s : seen) EXPECT_EQ(s, seen[0]);
  EXPECT_NE(dynamic_cast<CVexFullTransportSupport*>(seen[0]), nullptr);
  EXPECT_EQ(vex_transport_support(), 0);
}

}  // namespace
