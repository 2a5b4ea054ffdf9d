// Encode and decode of typical messages with this codec and, in the same run,
// with Net-SNMP's own build and parse; prints the CPU time per message of
// each and the ratio Net-SNMP / this codec for encode plus decode.
//
// This codec decodes either into new objects, as Net-SNMP's parse does, or
// into the PDU and target of the exchange, as the request sessions do: a
// table walk or a repeated get decodes each answer into the PDU that holds
// the previous one, reusing its bindings and values.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/message_kinds.h"
#include "bench/netsnmp_codec.h"
#include "snmp/codec/translator_registry.h"
#include "snmp/model/vsn_pdu.h"
#include "snmp/transport/packet_buffer.h"
#include "snmp/v3/snmp_engine.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Subject {
  bench::MessageKind kind;
  Bytes sent{};      // this codec's encoding of the sent PDU
  Bytes received{};  // Net-SNMP's encoding of the received PDU, decoded by both
  bool same_bytes = false;
  std::unique_ptr<bench::NetSnmpCodec> netsnmp{};
  snmp_pdu* netsnmp_sent = nullptr;
  vex::Owned<IVsnPdu> answer{};  // the exchange's PDU, holding the previous answer
  vex::Owned<IVsnSnmpTarget> answer_target{};
};

Bytes encode_here(IVsnPdu* pdu, IVsnSnmpTarget* target) {
  PacketBuffer buffer;
  if (TranslatorRegistry::instance()->encode(pdu, target, &buffer, nullptr) != vex::kOk) return {};
  return Bytes(buffer.message_start(), buffer.message_start() + buffer.remaining_length());
}

vex::Result decode_here(const Bytes& bytes, IVsnPdu* pdu, IVsnSnmpTarget* target) {
  PacketBuffer buffer;
  buffer.attach(const_cast<std::uint8_t*>(bytes.data()), static_cast<std::uint32_t>(bytes.size()),
                PacketBuffer::kBorrowed);
  return TranslatorRegistry::instance()->decode(&buffer, pdu, target, -1);
}

// Decodes into new objects and drops them.
vex::Result decode_fresh(const Bytes& bytes) {
  vex::Owned<IVsnPdu> pdu(vsn_create_pdu(nullptr));
  vex::Owned<IVsnSnmpTarget> target(vsn_create_target(vex::target_kind::kCommunity, nullptr));
  return decode_here(bytes, pdu.get(), target.get());
}

// Both codecs read each other's bytes into the same messages before anything
// is timed. Called with the engine lock held.
bool prepare(Subject& s) {
  const int version = s.kind.target->version();
  s.netsnmp = std::make_unique<bench::NetSnmpCodec>(version);
  s.sent = encode_here(s.kind.sent.get(), s.kind.target.get());
  const Bytes received_here = encode_here(s.kind.received.get(), s.kind.target.get());
  s.netsnmp_sent = s.netsnmp->parse(s.sent.data(), s.sent.size());
  snmp_pdu* received = s.netsnmp->parse(received_here.data(), received_here.size());
  if (s.netsnmp_sent == nullptr || received == nullptr) return false;
  s.received = s.netsnmp->build(received);
  bench::NetSnmpCodec::free_pdu(received);
  s.same_bytes = s.received == received_here;
  s.answer.reset(s.kind.sent->clone(nullptr));
  s.answer_target.reset(s.kind.target->clone(nullptr));
  return decode_here(s.received, s.answer.get(), s.answer_target.get()) == vex::kOk &&
         s.answer->equals(s.kind.received.get());
}

void encode_ours(benchmark::State& state, Subject* s) {
  for (auto _ : state) {
    static_cast<void>(_);
    PacketBuffer buffer;
    benchmark::DoNotOptimize(TranslatorRegistry::instance()->encode(
        s->kind.sent.get(), s->kind.target.get(), &buffer, nullptr));
    benchmark::DoNotOptimize(buffer.message_start());
  }
}

void decode_ours_fresh(benchmark::State& state, Subject* s) {
  for (auto _ : state) {
    static_cast<void>(_);
    benchmark::DoNotOptimize(decode_fresh(s->received));
  }
}

void decode_ours_into(benchmark::State& state, Subject* s) {
  for (auto _ : state) {
    static_cast<void>(_);
    benchmark::DoNotOptimize(decode_here(s->received, s->answer.get(), s->answer_target.get()));
  }
}

void build_netsnmp(benchmark::State& state, Subject* s) {
  const SnmpEngineCall call;
  for (auto _ : state) {
    static_cast<void>(_);
    benchmark::DoNotOptimize(s->netsnmp->build_length(s->netsnmp_sent));
  }
}

void parse_netsnmp(benchmark::State& state, Subject* s) {
  const SnmpEngineCall call;
  for (auto _ : state) {
    static_cast<void>(_);
    snmp_pdu* pdu = s->netsnmp->parse(s->received.data(), s->received.size());
    benchmark::DoNotOptimize(pdu);
    bench::NetSnmpCodec::free_pdu(pdu);
  }
}

// Each benchmark runs several times; the fastest run is the one least
// disturbed by whatever else the machine does.
constexpr int kRepetitions = 5;
constexpr double kSecondsPerRun = 0.2;

double fastest(const std::vector<double>& times) {
  return *std::min_element(times.begin(), times.end());
}

// Keeps the fastest CPU time per iteration of every benchmark, by name, for
// the summary.
class CollectingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min") {
        times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
      }
    }
  }
  double time(int kind, const char* what) const {
    const auto found = times_.find(label(kind, what));
    return found != times_.end() ? found->second : 0.0;
  }
  static std::string label(int kind, const char* what) {
    return "kind" + std::to_string(kind) + "/" + what;
  }

 private:
  std::map<std::string, double> times_;  // nanoseconds
};

void print_summary(const std::vector<Subject>& subjects, const CollectingReporter& r) {
  std::printf(
      "\nCPU time per message in ns (fastest of %d runs); ratio = Net-SNMP (build +"
      " parse) / this codec (encode + decode)\n",
      kRepetitions);
  std::printf("%-36s %5s | %7s %7s %7s | %7s %7s | %7s %7s\n", "message kind", "bytes", "encode",
              "decode", "into", "build", "parse", "ratio", "ratio");
  std::printf("%-36s %5s | %23s | %15s | %7s %7s\n", "", "", "this codec", "Net-SNMP", "fresh",
              "into");
  for (std::size_t i = 0; i < subjects.size(); ++i) {
    const int k = static_cast<int>(i + 1);
    const double encode = r.time(k, "ours/encode");
    const double fresh = r.time(k, "ours/decode");
    const double into = r.time(k, "ours/decode_into");
    const double build = r.time(k, "netsnmp/build");
    const double parse = r.time(k, "netsnmp/parse");
    if (encode == 0 || fresh == 0 || into == 0 || build == 0 || parse == 0) continue;
    std::printf("%-36s %5zu | %7.0f %7.0f %7.0f | %7.0f %7.0f | %7.2f %7.2f\n",
                subjects[i].kind.name.c_str(), subjects[i].received.size(), encode, fresh, into,
                build, parse, (build + parse) / (encode + fresh),
                (build + parse) / (encode + into));
    if (!subjects[i].same_bytes) {
      std::printf("%-36s (the two encodings of the answer differ)\n", "");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  SnmpEngine::start();
  std::vector<Subject> subjects;
  for (bench::MessageKind& kind : bench::typical_messages()) {
    subjects.push_back(Subject{.kind = std::move(kind)});
  }
  {
    const SnmpEngineCall call;
    for (Subject& s : subjects) {
      if (!prepare(s)) {
        std::fprintf(stderr, "the codecs disagree on: %s\n", s.kind.name.c_str());
        return 1;
      }
    }
  }
  // The benchmark library owns what it registers; the static analyser cannot
  // see that through the library and would report a leak.
#ifndef __clang_analyzer__
  for (std::size_t i = 0; i < subjects.size(); ++i) {
    Subject* s = &subjects[i];
    const int k = static_cast<int>(i + 1);
    const auto add = [k, s](const char* what, void (*run)(benchmark::State&, Subject*)) {
      benchmark::RegisterBenchmark(CollectingReporter::label(k, what).c_str(), run, s)
          ->Repetitions(kRepetitions)
          ->MinTime(kSecondsPerRun)
          ->ComputeStatistics("min", fastest)
          ->ReportAggregatesOnly(true);
    };
    add("ours/encode", encode_ours);
    add("ours/decode", decode_ours_fresh);
    add("ours/decode_into", decode_ours_into);
    add("netsnmp/build", build_netsnmp);
    add("netsnmp/parse", parse_netsnmp);
  }
#endif
  benchmark::Initialize(&argc, argv);
  CollectingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  print_summary(subjects, reporter);
  for (Subject& s : subjects) bench::NetSnmpCodec::free_pdu(s.netsnmp_sent);
  return 0;
}
