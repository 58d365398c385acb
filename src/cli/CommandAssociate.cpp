// kestrova-cli associate [--show]: makes Kestrova's desktop entry the program
// that opens ".rnk" files on this desktop, as the window offers once at its
// first start; --show names the program that opens them now.
#include <memory>
#include <ostream>

#include "base/Process.h"
#include "cli/Command.h"
#include "store/XdgFileAssociation.h"

namespace kestrova::cli {
namespace {

constexpr const char* kProgId = "kestrova";
constexpr const char* kNoXdgMime =
    "kestrova-cli associate: xdg-mime is not installed (Debian's package xdg-utils has it)";
constexpr const char* kNoOwner = "kestrova-cli associate: no program opens .rnk files yet";
constexpr const char* kAssociateFailed =
    "kestrova-cli associate: xdg-mime could not make kestrova.desktop the default";

int RunAssociate(bool show, CliIo& io) {
  if (!ProgramOnPath("xdg-mime")) {
    io.err << kNoXdgMime << "\n";
    return kExitFailed;
  }
  if (show) {
    const ProcessResult owner = RunProcess({"xdg-mime", "query", "default", kProjectMimeType});
    io.out << owner.out;
    if (owner.Succeeded() && owner.out.empty()) io.err << kNoOwner << "\n";
    return owner.Succeeded() ? kExitOk : kExitFailed;
  }
  XdgFileAssociation association;
  if (!association.AssociateFileType(kProgId, kProjectExtension, "")) {
    io.err << kAssociateFailed << "\n";
    return kExitFailed;
  }
  io.out << kProjectMimeType << "=" << kProgId << kDesktopEntrySuffix << "\n";
  return kExitOk;
}

CommandRegistration registration{
    "associate", "Make Kestrova the program that opens .rnk files on this desktop",
    [](CLI::App& sub, CliIo& io) {
      auto show = std::make_shared<bool>(false);
      sub.add_flag("--show", *show,
                   "Print the desktop entry that opens .rnk files now, and change nothing");
      return [show, &io] { return RunAssociate(*show, io); };
    }};

}  // namespace
}  // namespace kestrova::cli
