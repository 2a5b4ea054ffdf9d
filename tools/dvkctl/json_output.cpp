#include "tools/dvkctl/json_output.h"

#include <nlohmann/json.hpp>

#include "tools/dvkctl/error_state_bits.h"
#include "tools/dvkctl/mib_names.h"
#include "tools/dvkctl/printer_mib_codes.h"
#include "tools/dvkctl/record_text.h"
#include "tools/dvkctl/transport_names.h"

namespace dvkctl {
namespace {

using Json = nlohmann::ordered_json;

// Printers' texts are 8-bit; what is not UTF-8 becomes U+FFFD instead of
// making the document unwritable.
std::string dump(const Json& document) {
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

Json transport(std::int32_t code) {
  return Json{{"code", code}, {"name", transport_name(code).name}};
}

void add_target(Json& out, const DeviceTarget& target) {
  out["address"] = target.address;
  out["transport"] = transport(target.transport);
}

// A capacity or level, and the word of a Printer MIB negative code or null.
void add_quantity(Json& out, const char* name, std::int32_t value) {
  out[name] = value;
  const auto word = printer_mib_code_word(value);
  out[std::string(name) + "_meaning"] = word ? Json(*word) : Json(nullptr);
}

Json percent_of(std::int32_t level, std::int32_t max_capacity) {
  const auto percent = level_percent(level, max_capacity);
  return percent ? Json(*percent) : Json(nullptr);
}

Json to_json(const TransportsReport& report) {
  Json transports = Json::array();
  for (const TransportAnswer& answer : report.transports) {
    const TransportName& name = transport_name(answer.code);
    transports.push_back({{"code", answer.code},
                          {"name", name.name},
                          {"description", name.description},
                          {"available", answer.answer == 1}});
  }
  return Json{{"transports", transports}};
}

Json to_json(const DiscoverReport& report) {
  Json printers = Json::array();
  for (const FoundPrinter& printer : report.printers) {
    printers.push_back({{"address", printer.address},
                        {"model_name", printer.model_name},
                        {"sys_object_id", printer.sys_object_id}});
  }
  return Json{
      {"transport", transport(report.transport)},
      {"destination", report.destination.empty() ? Json(nullptr) : Json(report.destination)},
      {"filters", report.filters},
      {"count", report.count},
      {"printers", printers}};
}

Json option_json(const OptionValue& value) {
  return std::visit([](const auto& v) { return Json(v); }, value);
}

Json options_json(const std::vector<NamedOption>& options) {
  Json out = Json::object();
  for (const NamedOption& option : options) out[option.name] = option_json(option.value);
  return out;
}

Json to_json(const InfoReport& report) {
  Json out;
  add_target(out, report.target);
  out["options"] = options_json(report.options);
  Json trays = Json::array();
  for (const auto& tray : report.trays) trays.push_back(options_json(tray));
  out["input_trays"] = trays;
  return out;
}

Json storage_json(const DvkStorageInfo& row) {
  return {{"storage_type", row.storage_type},
          {"storage_type_name", storage_type_name(row.storage_type)},
          {"allocation_units", row.allocation_units},
          {"size", row.size},
          {"description", record_text(row.description)}};
}

Json device_json(const DvkDeviceInfo& row) {
  return {{"device_type", row.device_type},
          {"device_type_name", device_type_name(row.device_type)},
          {"device_status", row.device_status},
          {"device_status_name", device_status_name(row.device_status)},
          {"description", record_text(row.description)}};
}

Json printer_json(const DvkPrinterInfo& printer) {
  return {{"printer_status", printer.printer_status},
          {"printer_status_name", printer_status_name(printer.printer_status)},
          {"detected_error_state", detected_error_hex(printer.detected_error_state)},
          {"detected_errors", detected_error_names(printer.detected_error_state)}};
}

Json input_tray_json(const DvkInputTrayInfo& row) {
  Json out{{"input_type", row.input_type},
           {"dimension_unit", row.dimension_unit},
           {"feed_dimension_declared", row.feed_dimension_declared},
           {"cross_feed_dimension_declared", row.cross_feed_dimension_declared},
           {"feed_dimension_chosen", row.feed_dimension_chosen},
           {"cross_feed_dimension_chosen", row.cross_feed_dimension_chosen},
           {"capacity_unit", row.capacity_unit}};
  add_quantity(out, "max_capacity", row.max_capacity);
  add_quantity(out, "current_level", row.current_level);
  out["percent"] = percent_of(row.current_level, row.max_capacity);
  out["status"] = row.status;
  out["media_name"] = record_text(row.media_name);
  out["input_name"] = record_text(row.input_name);
  out["description"] = record_text(row.description);
  out["media_type"] = record_text(row.media_type);
  out["media_color"] = record_text(row.media_color);
  return out;
}

Json output_tray_json(const DvkOutputTrayInfo& row) {
  return {{"output_type", row.output_type},
          {"status", row.status},
          {"output_name", record_text(row.output_name)},
          {"description", record_text(row.description)}};
}

Json toner_json(const DvkTonerInfo& row) {
  Json out{{"supply_unit", row.supply_unit}};
  add_quantity(out, "max_capacity", row.max_capacity);
  add_quantity(out, "level", row.level);
  out["percent"] = percent_of(row.level, row.max_capacity);
  out["description"] = record_text(row.description);
  return out;
}

Json alert_json(const DvkAlertInfo& row) {
  return {{"severity_level", row.severity_level},
          {"severity_name", alert_severity_name(row.severity_level)},
          {"group", row.group},
          {"group_index", row.group_index},
          {"location", row.location},
          {"code", row.code},
          {"description", record_text(row.description)}};
}

template <class Record, class Convert>
Json rows(const std::vector<Record>& records, Convert convert) {
  Json out = Json::array();
  for (const Record& record : records) out.push_back(convert(record));
  return out;
}

Json to_json(const StatusReport& report) {
  Json out;
  add_target(out, report.target);
  out["storage"] = rows(report.storage, storage_json);
  out["devices"] = rows(report.devices, device_json);
  out["printer"] = printer_json(report.printer);
  out["input_trays"] = rows(report.input_trays, input_tray_json);
  out["output_trays"] = rows(report.output_trays, output_tray_json);
  out["toners"] = rows(report.toners, toner_json);
  out["alerts"] = rows(report.alerts, alert_json);
  return out;
}

Json date_time_json(const DvkDateTime& time) {
  return {{"year", time.year}, {"month", time.month},     {"day", time.day},
          {"hour", time.hour}, {"minutes", time.minutes}, {"seconds", time.seconds}};
}

Json job_json(const DvkJobInfo& job) {
  return {{"job_id", record_text(job.job_id)},
          {"name", record_text(job.name)},
          {"job_type", job.job_type},
          {"status_code", job.status_code},
          {"detail_code", job.detail_code},
          {"counter_1", job.counter_1},
          {"counter_2", job.counter_2},
          {"text_1", record_text(job.text_1)},
          {"text_2", record_text(job.text_2)},
          {"text_3", record_text(job.text_3)},
          {"time_1", date_time_json(job.time_1)},
          {"time_2", date_time_json(job.time_2)},
          {"time_3", date_time_json(job.time_3)}};
}

Json to_json(const JobsReport& report) {
  Json out;
  add_target(out, report.target);
  out["kind"] = report.kind;
  out["jobs"] = rows(report.jobs, job_json);
  return out;
}

Json to_json(const CancelReport& report) {
  Json out;
  add_target(out, report.target);
  out["job_id"] = report.job_id;
  out["cancelled"] = true;
  return out;
}

Json to_json(const CharsetReport& report) {
  Json out;
  add_target(out, report.target);
  out["printer_character_set"] = report.printer_character_set;
  out["job_character_set"] = report.job_character_set;
  return out;
}

}  // namespace

std::string json_report(const char* command, const Report& report) {
  Json document{{"command", command}};
  const Json fields = std::visit([](const auto& r) { return to_json(r); }, report);
  for (const auto& [key, value] : fields.items()) document[key] = value;
  return dump(document);
}

std::string json_failure(std::optional<const char*> command, const Failure& failure) {
  Json error{{"kind", kind_name(failure.kind)},
             {"message", failure.message},
             {"exit_status", exit_code(failure.status)}};
  if (failure.kind == Failure::Kind::kPlugin) {
    error["call"] = failure.call;
    error["code"] = failure.code;
  }
  Json document{{"command", command ? Json(*command) : Json(nullptr)}, {"error", error}};
  return dump(document);
}

}  // namespace dvkctl
