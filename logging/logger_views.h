#pragma once

#include "framework/result_codes.h"
#include "logging/vex_interface.h"

class IVexLogger;

// Administration view of a logger.
class IVexLoggerAdmin : public IVexInterface {
 public:
  // Detaches all sinks and restores the default settings; the name stays.
  virtual void reset() = 0;
};

// A logger that hands its settings and sinks on to the loggers attached to it.
class IVexLoggerGroup : public IVexInterface {
 public:
  virtual vex::Result attach(IVexLogger* logger) = 0;
  virtual vex::Result detach(IVexLogger* logger) = 0;
};
