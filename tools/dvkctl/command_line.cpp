#include "tools/dvkctl/command_line.h"

#include <CLI/CLI.hpp>
#include <map>
#include <ostream>
#include <utility>
#include <vector>

#include "tools/dvkctl/plugin_library.h"

namespace dvkctl {
namespace {

// Bounds of the plug-in's fixed text fields, less the terminating NUL.
constexpr std::size_t kAddressLength = 63;
constexpr std::size_t kCommunityLength = 255;
constexpr std::size_t kFilterLength = 63;
constexpr std::size_t kFilterSlots = 50;
constexpr std::size_t kUserLength = 32;  // what an SNMPv3 target accepts
constexpr std::size_t kPassPhraseLength = 63;
constexpr std::size_t kContextLength = 511;
constexpr std::size_t kJobIdLength = 255;
// A mistyped time-out should not block for days.
constexpr std::uint32_t kLongestTimeoutMs = 600000;
constexpr std::uint32_t kMostRetries = 100;

CLI::Validator at_most(std::size_t length) {
  return CLI::Validator(
      [length](const std::string& text) {
        return text.size() > length ? "longer than " + std::to_string(length) + " characters"
                                    : std::string();
      },
      "at most " + std::to_string(length) + " characters");
}

const CLI::Validator kNotEmpty(
    [](const std::string& text) { return text.empty() ? "empty" : std::string(); }, "");

// One of a few names, any letter case, stored as the plug-in's number.
CLI::Validator choice(std::map<std::string, std::int32_t> names) {
  std::string listed;
  for (const auto& entry : names) listed += (listed.empty() ? "" : ", ") + entry.first;
  return CLI::Validator(
      [names = std::move(names), listed](std::string& value) {
        for (const auto& [name, number] : names) {
          if (CLI::detail::to_lower(value) == CLI::detail::to_lower(name)) {
            value = std::to_string(number);
            return std::string();
          }
        }
        return value + " is not one of " + listed;
      },
      "");
}

class CommandLine {
 public:
  explicit CommandLine(Arguments& arguments) : arguments_(arguments) { build(); }

  CLI::App& app() noexcept { return app_; }
  std::optional<Failure> check_after_parse() const;
  std::optional<Command> chosen_command() const;

 private:
  void build();
  void add_snmp_options(CLI::App& command);
  void add_address(CLI::App& command);
  CLI::App* add_command(Command command, const std::string& description);

  Arguments& arguments_;
  CLI::App app_{
      "Drives the printer plug-in through its exported Dvk functions, as a host "
      "application does, and prints what it answers.",
      "dvkctl"};
  std::vector<std::pair<CLI::App*, Command>> commands_;
  std::vector<CLI::Option*> v3_options_;
  CLI::Option* destination_ = nullptr;
};

void CommandLine::build() {
  app_.add_option("--library", arguments_.library, "the plug-in library to load")
      ->default_val(PluginLibrary::kInstalledName);
  app_.add_flag("--json", arguments_.json, "machine-readable output: one JSON object");
  app_.set_version_flag("--version", DVKCTL_VERSION);
  app_.require_subcommand(1);
  // Options of dvkctl itself may also follow the command.
  app_.fallthrough();
  app_.failure_message(CLI::FailureMessage::help);
  app_.footer(std::string("Common options (--library, --json) may stand before or after the "
                          "command.\n\n") +
              exit_status_help());

  add_command(Command::kTransports, "what the plug-in answers for each transport code");

  CLI::App* discover = add_command(Command::kDiscover, "search for the supported printers");
  destination_ = discover->add_option(
      "--address", arguments_.destination,
      "where the search is sent (default: the plug-in's broadcast or multicast address)");
  destination_->check(at_most(kAddressLength))->check(kNotEmpty);
  discover
      ->add_option("--filter", arguments_.filters,
                   "list only printers whose sysObjectID begins with PREFIX (repeatable)")
      ->type_name("PREFIX")
      ->check(at_most(kFilterLength));
  add_snmp_options(*discover);

  CLI::App* info = add_command(Command::kInfo, "device set-up, then every option of the printer");
  add_address(*info);
  add_snmp_options(*info);

  CLI::App* status = add_command(Command::kStatus,
                                 "storage, devices, printer state, trays, "
                                 "toner and alerts");
  add_address(*status);
  add_snmp_options(*status);

  CLI::App* jobs = add_command(Command::kJobs, "the printer's jobs");
  add_address(*jobs);
  jobs->add_option("--kind", arguments_.job_kind,
                   "0 every job, 1 jobs whose status code is not 17, 2 those whose code is 17")
      ->check(CLI::Range(0, 2))
      ->capture_default_str();
  add_snmp_options(*jobs);

  CLI::App* cancel = add_command(Command::kCancel, "cancel one job");
  add_address(*cancel);
  cancel->add_option("job", arguments_.job_id, "the job identifier, as jobs lists it")
      ->required()
      ->check(at_most(kJobIdLength))
      ->check(kNotEmpty);
  add_snmp_options(*cancel);

  CLI::App* charset = add_command(Command::kCharset, "the printer's and the jobs' character sets");
  add_address(*charset);
  add_snmp_options(*charset);
}

CLI::App* CommandLine::add_command(Command command, const std::string& description) {
  CLI::App* sub = app_.add_subcommand(command_name(command), description);
  commands_.emplace_back(sub, command);
  return sub;
}

void CommandLine::add_address(CLI::App& command) {
  command.add_option("address", arguments_.address, "the printer's address")
      ->required()
      ->check(at_most(kAddressLength))
      ->check(kNotEmpty);
}

void CommandLine::add_snmp_options(CLI::App& command) {
  SnmpArguments& snmp = arguments_.snmp;
  const char* group = "SNMP";
  command.add_option("--transport", snmp.transport, "the transport (default ipv4)")
      ->type_name("ipv4|ipv6|ipx")
      ->transform(choice({{"ipv4", DVK_TRANSPORT_UDP_IPV4},
                          {"ipx", DVK_TRANSPORT_IPX},
                          {"ipv6", DVK_TRANSPORT_UDP_IPV6}}))
      ->group(group);
  command.add_option("--timeout", snmp.timeout_ms, "milliseconds to wait for each answer")
      ->check(CLI::Range(std::uint32_t{0}, kLongestTimeoutMs))
      ->capture_default_str()
      ->group(group);
  command.add_option("--retries", snmp.retries, "requests repeated after a time-out")
      ->check(CLI::Range(std::uint32_t{0}, kMostRetries))
      ->capture_default_str()
      ->group(group);
  command.add_option("--read-community", snmp.read_community, "community of read requests")
      ->check(at_most(kCommunityLength))
      ->group(group);
  command.add_option("--write-community", snmp.write_community, "community of the cancel request")
      ->check(at_most(kCommunityLength))
      ->group(group);
  command.add_option("--find-community", snmp.find_community, "community of the search")
      ->check(at_most(kCommunityLength))
      ->group(group);
  command.add_option("--snmp", snmp.snmp_mode, "the SNMP version (default v1)")
      ->type_name("v1|v2c|v3")
      ->transform(choice({{"v1", DVK_SNMP_V1}, {"v2c", DVK_SNMP_V2C}, {"v3", DVK_SNMP_V3}}))
      ->group(group);

  const char* v3 = "SNMPv3 (with --snmp v3; what is not given keeps the plug-in's default)";
  v3_options_.push_back(command.add_option("--user", snmp.user, "security name")
                            ->check(at_most(kUserLength))
                            ->group(v3));
  v3_options_.push_back(
      command.add_option("--security-level", snmp.security_level, "the security level")
          ->type_name("noAuthNoPriv|authNoPriv|authPriv")
          ->transform(choice({{"noAuthNoPriv", 0}, {"authNoPriv", 1}, {"authPriv", 2}}))
          ->group(v3));
  v3_options_.push_back(
      command.add_option("--auth-protocol", snmp.auth_protocol, "HMAC-MD5-96 or HMAC-SHA-96")
          ->type_name("md5|sha")
          ->transform(choice({{"md5", 1}, {"sha", 2}}))
          ->group(v3));
  v3_options_.push_back(command.add_option("--priv-protocol", snmp.priv_protocol, "DES or AES-128")
                            ->type_name("des|aes")
                            ->transform(choice({{"des", 1}, {"aes", 2}}))
                            ->group(v3));
  v3_options_.push_back(
      command.add_option("--auth-pass", snmp.auth_pass_phrase, "authentication pass phrase")
          ->check(at_most(kPassPhraseLength))
          ->group(v3));
  v3_options_.push_back(
      command.add_option("--priv-pass", snmp.priv_pass_phrase, "privacy pass phrase")
          ->check(at_most(kPassPhraseLength))
          ->group(v3));
  v3_options_.push_back(command.add_option("--context", snmp.context, "context name")
                            ->check(at_most(kContextLength))
                            ->group(v3));
}

std::optional<Failure> CommandLine::check_after_parse() const {
  if (arguments_.filters.size() > kFilterSlots) {
    return usage_failure("at most " + std::to_string(kFilterSlots) + " filters are kept");
  }
  if (arguments_.snmp.snmp_mode != DVK_SNMP_V3) {
    for (const CLI::Option* option : v3_options_) {
      if (option->count() > 0) return usage_failure(option->get_name() + " needs --snmp v3");
    }
  }
  return std::nullopt;
}

std::optional<Command> CommandLine::chosen_command() const {
  for (const auto& [sub, command] : commands_) {
    if (sub->parsed()) return command;
  }
  return std::nullopt;
}

bool asks_for_json(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--json") return true;
  }
  return false;
}

}  // namespace

ParsedCommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& err) {
  using Outcome = ParsedCommandLine::Outcome;
  ParsedCommandLine parsed;
  CommandLine command_line(parsed.arguments);
  CLI::App& app = command_line.app();
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    // Help goes to `out`; the usage message of bad arguments to `err`.
    if (app.exit(error, out, err) == 0) return parsed;
    parsed.outcome = Outcome::kBadArguments;
    parsed.command = command_line.chosen_command();
    parsed.arguments.json = asks_for_json(argc, argv);
    parsed.failure = usage_failure(error.what());
    return parsed;
  }
  parsed.command = command_line.chosen_command();
  if (std::optional<Failure> failure = command_line.check_after_parse()) {
    err << "dvkctl: " << failure->message << "\nRun with --help for more information.\n";
    parsed.outcome = Outcome::kBadArguments;
    parsed.failure = std::move(*failure);
    return parsed;
  }
  parsed.outcome = Outcome::kRun;
  parsed.arguments.command = parsed.command.value_or(Command::kTransports);
  return parsed;
}

}  // namespace dvkctl
