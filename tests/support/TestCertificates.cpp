#include "support/TestCertificates.h"

#include <cstdlib>
#include <fstream>

namespace kestrova::test {
namespace {

constexpr const char* kKeyOptions = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";

std::string SubjectNames(const std::vector<std::string>& dnsNames,
                         const std::vector<std::string>& addresses) {
  std::string names;
  for (const std::string& name : dnsNames) names += (names.empty() ? "DNS:" : ",DNS:") + name;
  for (const std::string& ip : addresses) names += (names.empty() ? "IP:" : ",IP:") + ip;
  return names;
}

}  // namespace

bool RunQuietly(const std::string& command) {
  return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

TestCertificates::TestCertificates() {
  ready_ = RunQuietly("openssl req -x509 " + std::string(kKeyOptions) + " -keyout '" +
                      (folder_ / "ca.key") + "' -out '" + CaFile() +
                      "' -days 2 -subj '/CN=Kestrova Test CA'"
                      " -addext basicConstraints=critical,CA:TRUE"
                      " -addext keyUsage=critical,keyCertSign,cRLSign");
}

CertificateFiles TestCertificates::Issue(const std::string& label,
                                         const std::vector<std::string>& dnsNames,
                                         const std::vector<std::string>& addresses) {
  CertificateFiles files{folder_ / (label + ".pem"), folder_ / (label + ".key")};
  const std::string request = folder_ / (label + ".csr");
  const std::string extensions = folder_ / (label + ".ext");
  std::ofstream(extensions) << "subjectAltName=" << SubjectNames(dnsNames, addresses)
                            << "\nbasicConstraints=CA:FALSE\nextendedKeyUsage=serverAuth\n";
  const bool made =
      RunQuietly("openssl req " + std::string(kKeyOptions) + " -keyout '" + files.key + "' -out '" +
                 request + "' -subj '/CN=" + label + "'") &&
      RunQuietly("openssl x509 -req -in '" + request + "' -CA '" + CaFile() + "' -CAkey '" +
                 (folder_ / "ca.key") + "' -CAcreateserial -days 2 -out '" + files.certificate +
                 "' -extfile '" + extensions + "'");
  if (!made) files = {};
  return files;
}

CertificateFiles TestCertificates::SelfSigned(const std::string& label,
                                              const std::string& address) {
  CertificateFiles files{folder_ / (label + ".pem"), folder_ / (label + ".key")};
  if (!RunQuietly("openssl req -x509 " + std::string(kKeyOptions) + " -keyout '" + files.key +
                  "' -out '" + files.certificate + "' -days 2 -subj '/CN=" + address +
                  "' -addext subjectAltName=IP:" + address)) {
    files = {};
  }
  return files;
}

bool OpenSslWebServer::Start(const std::string& folder, const CertificateFiles& certificate) {
  // The port was free a moment ago; another process may take it first.
  for (int attempt = 0; attempt < 3; ++attempt) {
    port_ = FreeLoopbackPort();
    const std::string command =
        "cd '" + folder +
        "' && exec openssl s_server -quiet -WWW -accept 127.0.0.1:" + std::to_string(port_) +
        " -cert '" + certificate.certificate + "' -key '" + certificate.key + "'";
    if (server_.Start({"/bin/sh", "-c", command}, port_, folder + "/s_server.log")) return true;
  }
  return false;
}

}  // namespace kestrova::test
