#include "tests/codec/pysnmp_peer.h"

#include <sstream>

#include "snmp/model/vsn_varbind_list.h"
#include "tests/codec/codec_test_support.h"
#include "tests/support/child_process.h"
#include "tests/support/peer_paths.h"
#include "tests/support/temp_folder.h"

namespace codec_test::pysnmp {
namespace {

namespace tag = vex::tag;

std::string tool() { return vex::test::peer_tool("pysnmp_codec.py"); }

std::vector<json> json_lines(const std::string& text, std::string* error) {
  std::vector<json> out;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty()) continue;
    json parsed = json::parse(line, nullptr, false);
    if (parsed.is_discarded()) {
      *error = "not JSON: " + line;
      return {};
    }
    out.push_back(std::move(parsed));
  }
  return out;
}

std::string text_of_hex(const std::string& hex_text) {
  const Bytes bytes = hex(hex_text);
  return std::string(bytes.begin(), bytes.end());
}

IVsnValue* value_of(std::int32_t t, const json& v) {
  switch (t) {
    case tag::kInteger:
      return integer_value(v.get<std::int32_t>());
    case tag::kCounter32:
    case tag::kGauge32:
    case tag::kTimeTicks:
      return unsigned_value(v.get<std::uint32_t>(), t);
    case tag::kCounter64: {
      const auto number = v.get<std::uint64_t>();
      return counter64_value(static_cast<std::uint32_t>(number >> 32),
                             static_cast<std::uint32_t>(number));
    }
    case tag::kOctetString:
    case tag::kOpaque:
    case tag::kIpAddress:
      return bytes_value(hex(v.get<std::string>()), t);
    case tag::kObjectId:
      return oid_value(v.get<std::string>().c_str());
    default:
      return empty_value(t);
  }
}

std::int32_t type_of(const std::string& kind) {
  static const std::pair<const char*, std::int32_t> kinds[] = {
      {"get", 0},     {"getnext", 1}, {"response", 2}, {"set", 3},   {"trap", 4},
      {"getbulk", 5}, {"inform", 6},  {"trap2", 4},    {"report", 8}};
  for (const auto& [name, type] : kinds) {
    if (kind == name) return type;
  }
  return -1;
}

// The notification identifier of an SNMPv1 trap header.
std::string trap_oid_of(const json& m) {
  const auto generic = m["generic"].get<std::int64_t>();
  if (generic == 6) {
    return m["enterprise"].get<std::string>() + ".0." +
           std::to_string(m["specific"].get<std::int64_t>());
  }
  return "1.3.6.1.6.3.1.1.5.0." + std::to_string(generic + 1);
}

}  // namespace

std::string unavailable() {
  static const vex::test::CommandResult check =
      vex::test::run_command({vex::test::kPython, "-c", "import pysnmp.proto.api"});
  if (check.exit_code != 0) return "pysnmp is missing (Debian: python3-pysnmp4): " + check.output;
  return {};
}

std::vector<json> generate(int count, int seed, std::string* error) {
  const auto run = vex::test::run_command(
      {vex::test::kPython, tool(), "generate", std::to_string(count), std::to_string(seed)}, {},
      std::chrono::milliseconds(60000));
  if (run.exit_code != 0) {
    *error = "generate failed: " + run.output;
    return {};
  }
  return json_lines(run.output, error);
}

std::vector<json> parse(const std::vector<std::string>& hex_messages, std::string* error) {
  vex::test::TempFolder folder("dvk-codec-peer");
  std::string input;
  for (const std::string& line : hex_messages) input += line + "\n";
  const std::string in = folder.file("in.txt");
  const std::string err = folder.file("err.txt");
  if (!vex::test::write_file(in, input)) {
    *error = "cannot write " + in;
    return {};
  }
  const auto run = vex::test::run_command(
      {"/bin/sh", "-c",
       "exec " + std::string(vex::test::kPython) + " " + tool() + " parse <" + in + " 2>" + err},
      {}, std::chrono::milliseconds(60000));
  if (run.exit_code != 0) {
    *error = "parse failed: " + run.output + vex::test::read_file(err);
    return {};
  }
  return json_lines(run.output, error);
}

vex::Owned<IVsnPdu> pdu_of(const json& m) {
  vex::Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  const std::string kind = m["pdu"].get<std::string>();
  pdu->set_type(type_of(kind));
  pdu->set_varbinds(vsn_create_varbind_list(nullptr));
  if (kind == "trap") {
    pdu->set_trap_oid(oid_value(trap_oid_of(m).c_str()));
    pdu->set_time_stamp(unsigned_value(m["time_stamp"].get<std::uint32_t>(), tag::kTimeTicks));
  } else {
    pdu->set_request_id(m["request_id"].get<std::int32_t>());
    pdu->set_error_status(m["error_status"].get<std::int32_t>());
    pdu->set_error_index(m["error_index"].get<std::int32_t>());
  }
  for (const json& b : m["bindings"]) {
    const auto t = b[1].get<std::int32_t>();
    pdu->add(oid_value(b[0].get<std::string>().c_str()), value_of(t, b[2]));
  }
  if (kind != "trap" && pdu->error_status() != 0) {
    pdu->varbinds()->mark_error(pdu->error_status(), pdu->error_index());
  }
  return pdu;
}

vex::Owned<IVsnSnmpTarget> target_of(const json& m) {
  return make_target(m["version"].get<std::int32_t>(),
                     text_of_hex(m["community"].get<std::string>()).c_str(), 65535);
}

}  // namespace codec_test::pysnmp
