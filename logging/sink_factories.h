#pragma once

#include <memory>

#include "logging/log_sink.h"

namespace vex {

// Property that names the file of a file sink.
inline constexpr const char* kFileSinkPathProperty = "ExtentionName";

// Kind "stdout": a console sink of the given name; the null console sink
// without a name.
std::unique_ptr<IVexLogSinkFactory> make_console_sink_factory();

// Kind "file": a file sink of the given name, its path taken from the
// "ExtentionName" property when a property source is given. The null file
// sink without a name, without memory, or when the property is missing or
// not a text.
std::unique_ptr<IVexLogSinkFactory> make_file_sink_factory();

}  // namespace vex
