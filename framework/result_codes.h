#pragma once

#include <cstdint>

// Result codes shared by every layer of the plug-in. 0 is success, every
// failure is negative, and the exports hand these values to the host as they are.
namespace vex {

using Result = std::int32_t;

inline constexpr Result kOk = 0;
inline constexpr Result kFailed = -1;           // an operating-system call failed
inline constexpr Result kInvalidArgument = -2;  // missing pointer, unknown name or code, bad text
inline constexpr Result kOutOfMemory = -3;
inline constexpr Result kNoInterface = -4;  // query_interface found no such interface
inline constexpr Result kNotSupported = -5;
inline constexpr Result kNotFound = -6;
inline constexpr Result kValueMissing = -7;  // value missing in an answer, or out of range
inline constexpr Result kNotInitialised = -8;
inline constexpr Result kCannotLoad = -10;  // library, function or file could not be opened
inline constexpr Result kIndexOutOfRange = -11;

inline constexpr Result kEngineError = -200;  // other SNMPv3 engine failure
inline constexpr Result kSocketFailed = -201;
inline constexpr Result kBindFailed = -202;
inline constexpr Result kTimeout = -203;
inline constexpr Result kReceiveFailed = -204;
inline constexpr Result kSendFailed = -205;
inline constexpr Result kTooBig = -210;      // the agent answered tooBig
inline constexpr Result kDoesNotFit = -211;  // the message does not fit its buffer
inline constexpr Result kCannotSplit = -212;
inline constexpr Result kSecurityFailure = -214;  // SNMPv3 authentication or privacy failure

inline constexpr Result kUndecodable = -250;
inline constexpr Result kNotTheAnswer = -251;  // datagram answers another request

inline constexpr Result kBadIndex = -401;  // table index does not encode the value class

constexpr bool succeeded(Result r) noexcept { return r >= 0; }
constexpr bool failed(Result r) noexcept { return r < 0; }

}  // namespace vex
