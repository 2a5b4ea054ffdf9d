#include "net/proc_net_tables.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class RouteFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/dvk-route-XXXXXX";
    const int fd = mkstemp(name);
    ASSERT_GE(fd, 0);
    close(fd);
    path_ = name;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  void write(const std::string& content) { std::ofstream(path_) << content; }

  std::string path_;
};

TEST_F(RouteFile, ReadsHostOrderValuesFromTheKernelsByteOrder) {
  // Destination 198.18.10.0/24 on lo and a default route via 198.18.10.1.
  write(
      "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n"
      "lo\t000A12C6\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
      "lo\t00000000\t010A12C6\t0003\t0\t0\t0\t00000000\t0\t0\t0\n");
  ProcNetTables tables(path_);
  ASSERT_EQ(tables.load(), 0);
  std::vector<RouteRecord> routes;
  ASSERT_EQ(tables.route_table(&routes), 0);
  ASSERT_EQ(routes.size(), 2u);
  EXPECT_EQ(routes[0].destination, 0xC6120A00u);
  EXPECT_EQ(routes[0].mask, 0xFFFFFF00u);
  EXPECT_EQ(routes[0].type, 3u);
  EXPECT_EQ(routes[1].next_hop, 0xC6120A01u);
  EXPECT_EQ(routes[1].type, 4u);
  EXPECT_EQ(routes[0].interface_index, 1u) << "lo is interface 1";
}

TEST_F(RouteFile, MissingFileCannotBeLoadedAndGarbledRowsFail) {
  ProcNetTables missing("/nonexistent/route");
  EXPECT_EQ(missing.load(), -10);
  write("Iface\tDestination\tGateway\n lo\tZZZZ\t00000000\t0001\t0\t0\t0\t00FFFFFF\n");
  ProcNetTables garbled(path_);
  std::vector<RouteRecord> routes;
  EXPECT_EQ(garbled.route_table(&routes), -10);
}

}  // namespace
