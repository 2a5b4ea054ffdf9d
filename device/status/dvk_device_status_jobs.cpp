// Jobs, job cancelling and the two character sets of the status reader.
#include "device/status/cancel_request.h"
#include "device/status/character_set.h"
#include "device/status/dvk_device_status.h"
#include "device/status/job_records.h"

namespace {

// Looks the job texts up in the session's job character set.
class SessionJobTexts final : public vex::JobTexts {
 public:
  SessionJobTexts(vex::StatusRequests& requests, const vex::StatusSession& session)
      : requests_(requests), session_(session) {}
  vex::Result fetch(const char* oid, char* field, std::size_t capacity) override {
    return requests_.get_text(session_, oid, field, capacity);
  }

 private:
  vex::StatusRequests& requests_;
  const vex::StatusSession& session_;
};

}  // namespace

std::int32_t& CDvkDeviceStatus::kept_character_set(std::int32_t kind) noexcept {
  return kind == vex::kJobCharacterSet ? job_character_set_ : printer_character_set_;
}

vex::Result CDvkDeviceStatus::read_character_set(std::int32_t kind) {
  const vex::CharacterSetKind* reading = vex::character_set_kind(kind);
  if (reading == nullptr) return vex::kInvalidArgument;
  vex::StatusRows rows;
  if (const vex::Result walked = requests_->walk(session_, reading->walked, &rows);
      vex::failed(walked)) {
    return walked;
  }
  std::int32_t& kept = kept_character_set(kind);
  // Each row's get replaces the kept value, so the last row wins; a failed
  // get leaves 0 behind.
  for (const vex::StatusRow& row : rows) {
    kept = 0;
    vex::RequestOid oid;
    vex::Result step = vex::character_set_oid(*reading, row, &oid);
    std::int32_t value = 0;
    if (vex::succeeded(step)) step = requests_->get_integer(session_, oid.text, &value);
    if (vex::failed(step)) return step;
    kept = value;
  }
  return vex::kOk;
}

vex::Result CDvkDeviceStatus::character_set(std::int32_t kind, std::int32_t* value) {
  if (value == nullptr || vex::character_set_kind(kind) == nullptr) return vex::kInvalidArgument;
  if (const vex::Result read = read_character_set(kind); vex::failed(read)) return read;
  *value = kept_character_set(kind);
  return vex::kOk;
}

vex::Result CDvkDeviceStatus::read_jobs(std::int32_t kind) {
  jobs_.clear();
  vex::StatusRows rows;
  if (const vex::Result walked = requests_->walk(session_, vex::kJobTable, &rows);
      vex::failed(walked)) {
    return walked;
  }
  SessionJobTexts texts(*requests_, session_);
  // A failing row ends the reading; the jobs kept before it stay.
  for (const vex::StatusRow& row : rows) {
    DvkJobInfo record;
    if (const vex::Result made = vex::job_record(row, job_character_set_, texts, &record);
        vex::failed(made)) {
      return made;
    }
    if (!vex::job_kept(kind, record.status_code)) continue;
    if (const vex::Result kept = jobs_.append(record); vex::failed(kept)) return kept;
  }
  return vex::kOk;
}

vex::Result CDvkDeviceStatus::number_of_jobs(std::int32_t kind, std::int32_t* count) {
  if (count == nullptr || kind < vex::kJobsAll || kind > vex::kJobsOnly17) {
    return vex::kInvalidArgument;
  }
  if (job_character_set_ == 0) {
    if (const vex::Result read = read_character_set(vex::kJobCharacterSet); vex::failed(read)) {
      return read;
    }
  }
  if (const vex::Result read = read_jobs(kind); vex::failed(read)) return read;
  *count = jobs_.count();
  return vex::kOk;
}

vex::Result CDvkDeviceStatus::get_job(std::uint32_t index, DvkJobInfo* record) const {
  return jobs_.copy_out(index, record);
}

vex::Result CDvkDeviceStatus::cancel_job(const char* job_id) {
  vex::CancelRequest request;
  if (const vex::Result made = vex::cancel_request(job_id, &request); vex::failed(made)) {
    return made;
  }
  return requests_->set_integer(session_, request.column, request.suffix->text(), request.value);
}
