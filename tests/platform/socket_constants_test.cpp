#include "platform/socket_constants.h"

#include <gtest/gtest.h>

namespace {

TEST(SocketConstants, FamiliesBothWays) {
  struct Case {
    int framework;
    int native;
  };
  const Case cases[] = {{2, AF_INET}, {6, AF_IPX}, {23, AF_INET6}};
  for (const Case& c : cases) {
    EXPECT_EQ(vex::native_family(c.framework), c.native) << c.framework;
    EXPECT_EQ(vex::framework_family(c.native), c.framework) << c.native;
  }
  EXPECT_EQ(AF_IPX, 4);
  EXPECT_EQ(AF_INET6, 10);
  EXPECT_EQ(vex::native_family(99), 99);
  EXPECT_EQ(vex::framework_family(AF_UNIX), AF_UNIX);
}

TEST(SocketConstants, SocketOptions) {
  struct Case {
    int level;
    int option;
    int native_level;
    int native_option;
  };
  const Case cases[] = {
      {0xFFFF, 32, SOL_SOCKET, SO_BROADCAST},
      {0, 12, IPPROTO_IP, IP_ADD_MEMBERSHIP},
      {41, 12, IPPROTO_IPV6, IPV6_ADD_MEMBERSHIP},
      {SOL_SOCKET, SO_RCVBUF, SOL_SOCKET, SO_RCVBUF},
  };
  for (const Case& c : cases) {
    const vex::NativeSocketOption native = vex::native_socket_option(c.level, c.option);
    EXPECT_EQ(native.level, c.native_level) << c.level << "/" << c.option;
    EXPECT_EQ(native.option, c.native_option) << c.level << "/" << c.option;
  }
}

TEST(SocketConstants, NameInfoFlags) {
  struct Case {
    int framework;
    int native;
  };
  const Case cases[] = {
      {0, 0},
      {2, NI_NUMERICHOST},
      {4, NI_NAMEREQD},
      {8, NI_NUMERICSERV},
      {10, NI_NUMERICHOST | NI_NUMERICSERV},
      {1 | 16, NI_NOFQDN | NI_DGRAM},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(vex::native_name_info_flags(c.framework), c.native) << c.framework;
  }
  EXPECT_EQ(vex::native_name_info_flags(10), 3);
}

}  // namespace
