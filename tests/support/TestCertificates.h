// A throwaway certificate authority and server certificates for TLS tests,
// made at test time with the openssl command in a temporary folder, so no key
// is ever committed. Everything is gone when the object goes.
#pragma once

#include <string>
#include <vector>

#include "support/ExternalServer.h"
#include "support/TempFolder.h"

namespace kestrova::test {

struct CertificateFiles {
  std::string certificate;  // PEM
  std::string key;          // PEM, unencrypted
};

class TestCertificates {
 public:
  TestCertificates();

  // False when the openssl command is missing or failed.
  bool Ready() const { return ready_; }
  // The authority's certificate, for --ca-file.
  std::string CaFile() const { return folder_ / "ca.pem"; }
  // A server certificate signed by the authority for these DNS names and IP addresses.
  CertificateFiles Issue(const std::string& label, const std::vector<std::string>& dnsNames,
                         const std::vector<std::string>& addresses = {});
  // A certificate that signs itself, trusted by nobody.
  CertificateFiles SelfSigned(const std::string& label, const std::string& address);
  const TempFolder& Folder() const { return folder_; }

 private:
  TempFolder folder_{"kestrova-certs-"};
  bool ready_ = false;
};

// `openssl s_server -WWW` on a loopback port: answers "GET /NAME" over TLS with
// the file NAME of `folder`, presenting `certificate`.
class OpenSslWebServer {
 public:
  bool Start(const std::string& folder, const CertificateFiles& certificate);
  std::uint16_t Port() const { return port_; }

 private:
  ExternalServer server_;
  std::uint16_t port_ = 0;
};

// Runs a shell command with its output thrown away; true when it exits 0.
bool RunQuietly(const std::string& command);

}  // namespace kestrova::test
