// kestrova-cli url: the URL helpers on one text (encode, decode, safe file name,
// split into host and path).
#include <ostream>

#include "cli/Command.h"
#include "net/UrlCoding.h"
#include "net/UrlSplit.h"

namespace kestrova::cli {
namespace {

struct UrlArguments {
  std::string encode, decode, safeName, split;
};

CommandRegistration registration{
    "url", "Encode, decode, make file-name safe or split a URL text", [](CLI::App& sub, CliIo& io) {
      auto args = std::make_shared<UrlArguments>();
      auto* group = sub.add_option_group("action", "exactly one of");
      group->add_option("--encode", args->encode, "Code a keyword for a query path");
      group->add_option("--decode", args->decode, "Decode the URL codes result pages use");
      group->add_option("--safe-name", args->safeName, "Make a text usable in a file name");
      group->add_option("--split", args->split, "Split a URL into host and path");
      group->require_option(1);
      return [args, group, &io] {
        if (group->get_option("--encode")->count() > 0) {
          io.out << TerminalLine(EncodeSearchText(ArgText(args->encode))) << '\n';
        } else if (group->get_option("--decode")->count() > 0) {
          io.out << TerminalLine(DecodeUrlText(ArgText(args->decode))) << '\n';
        } else if (group->get_option("--safe-name")->count() > 0) {
          io.out << TerminalLine(MakeSafeFileName(ArgText(args->safeName))) << '\n';
        } else {
          std::string host, path;
          const bool split = SplitUrl(ArgText(args->split), host, path);
          io.out << "host: " << TerminalLine(host) << '\n'
                 << "path: " << TerminalLine(path) << '\n';
          if (!split) {
            io.err << "kestrova-cli url: no host found in " << args->split << '\n';
            return kExitFailed;
          }
        }
        return kExitOk;
      };
    }};

}  // namespace
}  // namespace kestrova::cli
