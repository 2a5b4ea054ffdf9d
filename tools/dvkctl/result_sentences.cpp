#include "tools/dvkctl/result_sentences.h"

#include <array>
#include <cstring>

namespace dvkctl {
namespace {

struct Sentence {
  std::int32_t code;
  const char* text;
};

constexpr std::array kSentences{
    Sentence{-1, "an operating-system call failed"},
    Sentence{-2, "invalid argument"},
    Sentence{-3, "the plug-in ran out of memory"},
    Sentence{-4, "interface not supported"},
    Sentence{-5, "not supported by the plug-in (command, option name or transport)"},
    Sentence{-6, "not found"},
    Sentence{-7, "the printer returned no value for a requested object"},
    Sentence{-8, "no device session: the device set-up did not complete"},
    Sentence{-10, "a library, function or file could not be loaded"},
    Sentence{-11, "record index out of range"},
    Sentence{-200, "the SNMPv3 engine failed"},
    Sentence{-201, "no socket could be opened for the transport"},
    Sentence{-202, "the local socket could not be bound"},
    Sentence{-204, "receiving the answer failed"},
    Sentence{-205, "sending the request failed"},
    Sentence{-210, "the printer answered that the answer would be too big (tooBig)"},
    Sentence{-211, "the message does not fit its buffer"},
    Sentence{-212, "the request is too big and cannot be split further"},
    Sentence{-214, "SNMPv3 security failed: check the user, pass phrases and protocols"},
    Sentence{-250, "the answer could not be decoded"},
    Sentence{-251, "the datagram answers another request"},
    Sentence{-401, "a table index does not encode the expected value"},
};

constexpr std::int32_t kFailed = -1;
constexpr std::int32_t kInvalidArgument = -2;
constexpr std::int32_t kTimeout = -203;

bool is_call(const char* call, const char* name) { return std::strcmp(call, name) == 0; }

std::string timeout_sentence(const WaitLimits& limits) {
  std::string text = "no answer within " + std::to_string(limits.timeout_ms) + " ms";
  if (limits.retries == 0) return text + " and no retries";
  return text + " after " + std::to_string(limits.retries) +
         (limits.retries == 1 ? " retry" : " retries");
}

}  // namespace

std::string result_sentence(const char* call, std::int32_t code, const WaitLimits& limits) {
  if (code == kTimeout) return timeout_sentence(limits);
  if (code == kInvalidArgument && is_call(call, "DvkInitDeviceEx")) {
    return "not the supported printer model, or an address of another transport";
  }
  if (code == kInvalidArgument && is_call(call, "DvkFindDeviceSNMPEx")) {
    return "the destination address does not belong to the chosen transport";
  }
  if (code == kFailed && is_call(call, "DvkRefreshOptions")) {
    return "the printer's ROM version has an unexpected form";
  }
  for (const Sentence& sentence : kSentences) {
    if (sentence.code == code) return sentence.text;
  }
  return "the plug-in reported an error of its own";
}

}  // namespace dvkctl
