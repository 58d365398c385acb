// The page the simulator serves for every host that is not a catalogue engine,
// such as the user's own domain for the front-page analysis.
#pragma once

#include <string>

namespace kestrova::sim {

// A small business home page with a title, META tags, comments, image ALT
// texts and a script, so every part of the analysis has something to count.
const std::string& SampleFrontPage();

}  // namespace kestrova::sim
