// Error codes the connection reports: Windows Sockets numbers plus 14000, so that
// "host not found" is 25001 wherever the program shows or tests a code.
#pragma once

namespace kestrova {

inline constexpr int kSocketErrorBase = 14000;

inline constexpr int kErrorInterrupted = 24004;  // a cancelled operation
inline constexpr int kErrorInvalid = 24022;
inline constexpr int kErrorAddressInUse = 24048;
inline constexpr int kErrorConnectionAborted = 24053;
inline constexpr int kErrorConnectionReset = 24054;
inline constexpr int kErrorNotConnected = 24057;
inline constexpr int kErrorTimedOut = 24060;
inline constexpr int kErrorConnectionRefused = 24061;
inline constexpr int kErrorHostNotFound = 25001;
inline constexpr int kErrorTryAgain = 25002;
inline constexpr int kErrorNoRecovery = 25003;

// The code for a POSIX errno value.
int SocketErrorFromErrno(int errnoValue);
// The code for a getaddrinfo result (EAI_...).
int SocketErrorFromResolver(int gaiResult);

}  // namespace kestrova
