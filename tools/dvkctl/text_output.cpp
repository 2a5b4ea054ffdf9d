#include "tools/dvkctl/text_output.h"

#include <cstdio>
#include <sstream>

#include "tools/dvkctl/error_state_bits.h"
#include "tools/dvkctl/level_bar.h"
#include "tools/dvkctl/mib_names.h"
#include "tools/dvkctl/printer_mib_codes.h"
#include "tools/dvkctl/record_text.h"
#include "tools/dvkctl/text_table.h"
#include "tools/dvkctl/transport_names.h"

namespace dvkctl {
namespace {

template <std::size_t N>
std::string shown(const char (&field)[N]) {
  return printable(record_text(field));
}

std::string number(std::int32_t value) { return std::to_string(value); }

// A capacity or level with the Printer MIB's negative codes in words.
std::string quantity(std::int32_t value) {
  if (auto word = printer_mib_code_word(value)) return *word;
  return number(value);
}

std::string named(const std::string& name, std::int32_t value) {
  return name == number(value) ? name : name + " (" + number(value) + ")";
}

std::string target_line(const char* what, const DeviceTarget& target) {
  return std::string(what) + " " + printable(target.address) + " (" +
         transport_name(target.transport).name + ")\n";
}

void section(std::ostream& out, const char* title, const TextTable& table) {
  out << '\n' << title << '\n';
  if (table.empty()) {
    out << "  none\n";
  } else {
    table.print(out);
  }
}

void render(std::ostream& out, const TransportsReport& report) {
  TextTable table({"code", "name", "transport", "available"});
  for (const TransportAnswer& answer : report.transports) {
    const TransportName& transport = transport_name(answer.code);
    table.add_row({number(answer.code), transport.name, transport.description,
                   answer.answer == 1 ? "yes" : "no"});
  }
  out << "Transports as DvkTransportAvailable answers on this machine\n";
  table.print(out);
}

void render(std::ostream& out, const DiscoverReport& report) {
  out << "Search over " << transport_name(report.transport).name << " to "
      << (report.destination.empty() ? "the plug-in's default address"
                                     : printable(report.destination));
  for (std::size_t i = 0; i < report.filters.size(); ++i) {
    out << (i == 0 ? ", filters " : ", ") << printable(report.filters[i]);
  }
  out << ": " << report.count << (report.count == 1 ? " printer\n" : " printers\n");
  TextTable table({"address", "model", "sysObjectID"});
  for (const FoundPrinter& printer : report.printers) {
    table.add_row({printable(printer.address), printable(printer.model_name),
                   printable(printer.sys_object_id)});
  }
  if (!table.empty()) table.print(out);
}

std::string option_text(const OptionValue& value) {
  if (const bool* flag = std::get_if<bool>(&value)) return *flag ? "yes" : "no";
  if (const std::int32_t* integer = std::get_if<std::int32_t>(&value)) return number(*integer);
  return printable(std::get<std::string>(value));
}

// "InputTrayMediaSize" is headed "MediaSize" in the tray table.
std::string tray_heading(std::string_view name) {
  constexpr std::string_view kPrefix = "InputTray";
  return std::string(name.substr(name.starts_with(kPrefix) ? kPrefix.size() : 0));
}

void render(std::ostream& out, const InfoReport& report) {
  out << target_line("Options of", report.target);
  TextTable options({"option", "value"});
  for (const NamedOption& option : report.options) {
    options.add_row({option.name, option_text(option.value)});
  }
  options.print(out);
  std::vector<std::string> headings;
  if (!report.trays.empty()) {
    for (const NamedOption& option : report.trays.front()) {
      headings.push_back(tray_heading(option.name));
    }
  }
  TextTable trays(headings);
  for (const auto& tray : report.trays) {
    std::vector<std::string> cells;
    cells.reserve(tray.size());
    for (const NamedOption& option : tray) cells.push_back(option_text(option.value));
    trays.add_row(std::move(cells));
  }
  section(out, "Input trays", trays);
}

void render_printer(std::ostream& out, const DvkPrinterInfo& printer) {
  out << "\nPrinter\n  status           "
      << named(printer_status_name(printer.printer_status), printer.printer_status) << '\n';
  std::string errors;
  for (const std::string& name : detected_error_names(printer.detected_error_state)) {
    errors += (errors.empty() ? "" : ", ") + name;
  }
  out << "  detected errors  " << (errors.empty() ? "none" : errors) << " ("
      << detected_error_hex(printer.detected_error_state) << ")\n";
}

void render(std::ostream& out, const StatusReport& report) {
  out << target_line("Status of", report.target);
  TextTable storage({"type", "allocation units", "size", "description"});
  for (const DvkStorageInfo& row : report.storage) {
    storage.add_row({named(storage_type_name(row.storage_type), row.storage_type),
                     number(row.allocation_units), number(row.size), shown(row.description)});
  }
  section(out, "Storage", storage);
  TextTable devices({"type", "status", "description"});
  for (const DvkDeviceInfo& row : report.devices) {
    devices.add_row({named(device_type_name(row.device_type), row.device_type),
                     named(device_status_name(row.device_status), row.device_status),
                     shown(row.description)});
  }
  section(out, "Devices", devices);
  render_printer(out, report.printer);
  TextTable inputs(
      {"name", "type", "media", "size (feed x cross)", "unit", "level", "status", "description"});
  for (const DvkInputTrayInfo& row : report.input_trays) {
    inputs.add_row(
        {shown(row.input_name), number(row.input_type), shown(row.media_name),
         quantity(row.feed_dimension_chosen) + " x " + quantity(row.cross_feed_dimension_chosen),
         number(row.dimension_unit), level_text(row.current_level, row.max_capacity),
         number(row.status), shown(row.description)});
  }
  section(out, "Input trays", inputs);
  TextTable outputs({"name", "type", "status", "description"});
  for (const DvkOutputTrayInfo& row : report.output_trays) {
    outputs.add_row({shown(row.output_name), number(row.output_type), number(row.status),
                     shown(row.description)});
  }
  section(out, "Output trays", outputs);
  TextTable toners({"description", "level", "unit"});
  for (const DvkTonerInfo& row : report.toners) {
    toners.add_row(
        {shown(row.description), level_text(row.level, row.max_capacity), number(row.supply_unit)});
  }
  section(out, "Toner", toners);
  TextTable alerts({"severity", "group", "group index", "location", "code", "description"});
  for (const DvkAlertInfo& row : report.alerts) {
    alerts.add_row({named(alert_severity_name(row.severity_level), row.severity_level),
                    number(row.group), number(row.group_index), number(row.location),
                    number(row.code), shown(row.description)});
  }
  section(out, "Alerts", alerts);
}

std::string date_time(const DvkDateTime& time) {
  char text[40];
  std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", unsigned{time.year},
                unsigned{time.month}, unsigned{time.day}, unsigned{time.hour},
                unsigned{time.minutes}, unsigned{time.seconds});
  return text;
}

const char* job_kind_text(std::int32_t kind) {
  switch (kind) {
    case 1:
      return "jobs whose status code is not 17";
    case 2:
      return "jobs whose status code is 17";
    default:
      return "every job";
  }
}

void render(std::ostream& out, const JobsReport& report) {
  out << target_line("Jobs of", report.target) << "  kind " << report.kind << ", "
      << job_kind_text(report.kind) << ": " << report.jobs.size() << '\n';
  for (const DvkJobInfo& job : report.jobs) {
    out << "\nJob " << shown(job.job_id) << "  " << shown(job.name) << '\n'
        << "  type " << job.job_type << ", status code " << job.status_code << ", detail code "
        << job.detail_code << ", counters " << job.counter_1 << " and " << job.counter_2 << '\n'
        << "  texts  " << shown(job.text_1) << " | " << shown(job.text_2) << " | "
        << shown(job.text_3) << '\n'
        << "  times  " << date_time(job.time_1) << " | " << date_time(job.time_2) << " | "
        << date_time(job.time_3) << '\n';
  }
}

void render(std::ostream& out, const CancelReport& report) {
  out << "Job " << printable(report.job_id) << " cancelled on " << printable(report.target.address)
      << '\n';
}

void render(std::ostream& out, const CharsetReport& report) {
  out << target_line("Character sets of", report.target) << "  printer  "
      << report.printer_character_set << '\n'
      << "  jobs     " << report.job_character_set << '\n';
}

}  // namespace

std::string printable(std::string_view text) {
  std::string shown_text(text);
  for (char& c : shown_text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f) c = '?';
  }
  return shown_text;
}

std::string text_report(const Report& report) {
  std::ostringstream out;
  std::visit([&out](const auto& r) { render(out, r); }, report);
  return out.str();
}

std::string text_failure(const Failure& failure) {
  if (failure.kind != Failure::Kind::kPlugin) return "dvkctl: " + failure.message + "\n";
  return "dvkctl: " + failure.call + " answered " + number(failure.code) + ": " + failure.message +
         "\n";
}

}  // namespace dvkctl
