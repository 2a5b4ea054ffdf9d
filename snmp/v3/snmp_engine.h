#pragma once

#include <mutex>

#include "framework/result_codes.h"

// Net-SNMP as Debian builds it keeps its state in process globals and is not
// reentrant. The engine is started once per process, and every call into it
// is made while holding the engine lock; waits on a session's socket happen
// outside the lock so that concurrent requests overlap their waits.
class SnmpEngine {
 public:
  // Starts the engine on first use, race-free: no configuration files, MIB
  // files or persistent state are read or written, and nothing is logged.
  static vex::Result start();
  static bool started();

  // Held around every Net-SNMP call.
  static std::mutex& lock();

  // Number of times the engine's own start-up has run in this process.
  static int start_count();
};

// Locks the engine for the calls of one scope.
class SnmpEngineCall {
 public:
  SnmpEngineCall() : hold_(SnmpEngine::lock()) {}

 private:
  std::lock_guard<std::mutex> hold_;
};
