// The program's name, version and web addresses, as captions, message titles,
// saved pages and reports show them.
#pragma once

namespace kestrova {

inline constexpr const char* kProductName = "Kestrova";
inline constexpr const char* kProductVersionText = "01.26";
inline constexpr const char* kProductWebPage = "http://www.tarnwell.com/kestrova/";
inline constexpr const char* kMakerWebAddress = "http://www.tarnwell.com/";

}  // namespace kestrova
