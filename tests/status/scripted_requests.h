#pragma once

#include <map>
#include <string>
#include <vector>

#include "device/status/status_requests.h"
#include "framework/fixed_text.h"
#include "status_test_support.h"

namespace status_test {

// Answers a status reader's requests from tables the test writes, and keeps
// the list of requests in the order they came.
class ScriptedRequests final : public vex::StatusRequests {
 public:
  std::map<std::string, std::vector<RowSpec>> tables;  // by walk root; unknown: no rows
  std::map<std::string, vex::Result> walk_failures;    // by walk root
  std::map<std::string, std::int32_t> integers;        // unknown object: -7
  std::map<std::string, std::string> texts;            // unknown object: -7
  vex::Result set_answer = vex::kOk;
  std::vector<std::string> requests;
  const vex::StatusSession* last_session = nullptr;

  vex::Result walk(const vex::StatusSession& session, const vex::TableColumns& table,
                   vex::StatusRows* rows) override {
    note(session, "walk " + std::string(table.root));
    if (const auto failure = walk_failures.find(table.root); failure != walk_failures.end()) {
      return failure->second;
    }
    for (const RowSpec& row : tables[table.root]) rows->push_back(build(row));
    return vex::kOk;
  }

  vex::Result get_integer(const vex::StatusSession& session, const char* oid,
                          std::int32_t* value) override {
    note(session, "get " + std::string(oid));
    const auto found = integers.find(oid);
    if (found == integers.end()) return vex::kValueMissing;
    *value = found->second;
    return vex::kOk;
  }

  vex::Result get_text(const vex::StatusSession& session, const char* oid, char* field,
                       std::size_t capacity) override {
    note(session, "text " + std::string(oid));
    const auto found = texts.find(oid);
    if (found == texts.end()) return vex::kValueMissing;
    vex::copy_to_field(field, capacity, found->second.c_str());
    return vex::kOk;
  }

  vex::Result set_integer(const vex::StatusSession& session, const char* column, const char* suffix,
                          std::int32_t value) override {
    note(session, "set " + std::string(column) + "." + suffix + " = " + std::to_string(value));
    return set_answer;
  }

 private:
  void note(const vex::StatusSession& session, std::string request) {
    last_session = &session;
    requests.push_back(std::move(request));
  }
};

}  // namespace status_test
