// A form model over an empty project, the three-engine catalogue, scripted
// dialogs and a fixed clock, for the form model's tests.
#pragma once

#include "support/MiniCatalogue.h"
#include "support/ScriptedDialogs.h"
#include "ui/MainFormModel.h"

namespace kestrova::test {

struct FormFixture {
  ProjectState project;
  ScriptedDialogs dialogs;
  EngineCatalogue catalogue = MiniCatalogue();
  FixedClock clock{MakeDate({2001, 2, 3, 4, 5, 6})};
  MainFormModel form{project, dialogs, catalogue, clock};
};

}  // namespace kestrova::test
