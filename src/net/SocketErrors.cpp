// POSIX and resolver errors in the numbering the rest of the program knows.
#include "net/SocketErrors.h"

#include <netdb.h>

#include <cerrno>

namespace kestrova {

int SocketErrorFromErrno(int errnoValue) {
  int winsock = 0;
  switch (errnoValue) {
    case EINTR:
      winsock = 10004;
      break;
    case EBADF:
      winsock = 10009;
      break;
    case EACCES:
      winsock = 10013;
      break;
    case EFAULT:
      winsock = 10014;
      break;
    case EINVAL:
      winsock = 10022;
      break;
    case EMFILE:
      winsock = 10024;
      break;
    case EWOULDBLOCK:
      winsock = 10035;
      break;
    case EINPROGRESS:
      winsock = 10036;
      break;
    case EALREADY:
      winsock = 10037;
      break;
    case ENOTSOCK:
      winsock = 10038;
      break;
    case EMSGSIZE:
      winsock = 10040;
      break;
    case EAFNOSUPPORT:
      winsock = 10047;
      break;
    case EADDRINUSE:
      winsock = 10048;
      break;
    case EADDRNOTAVAIL:
      winsock = 10049;
      break;
    case ENETDOWN:
      winsock = 10050;
      break;
    case ENETUNREACH:
      winsock = 10051;
      break;
    case ENETRESET:
      winsock = 10052;
      break;
    case ECONNABORTED:
      winsock = 10053;
      break;
    case ECONNRESET:
      winsock = 10054;
      break;
    case EPIPE:
      winsock = 10054;
      break;  // the peer went away while we wrote
    case ENOBUFS:
      winsock = 10055;
      break;
    case EISCONN:
      winsock = 10056;
      break;
    case ENOTCONN:
      winsock = 10057;
      break;
    case ESHUTDOWN:
      winsock = 10058;
      break;
    case ETIMEDOUT:
      winsock = 10060;
      break;
    case ECONNREFUSED:
      winsock = 10061;
      break;
    case EHOSTDOWN:
      winsock = 10064;
      break;
    case EHOSTUNREACH:
      winsock = 10065;
      break;
    default:
      winsock = 10022;
      break;
  }
  return winsock + kSocketErrorBase;
}

int SocketErrorFromResolver(int gaiResult) {
  switch (gaiResult) {
    case EAI_AGAIN:
      return kErrorTryAgain;
    case EAI_FAIL:
      return kErrorNoRecovery;
    default:
      return kErrorHostNotFound;
  }
}

}  // namespace kestrova
