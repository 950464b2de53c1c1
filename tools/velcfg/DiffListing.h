// The change tree of velcfg diff as text: one line per screen, element and value in sorted
// order, indented by level, or one JSON object.
#pragma once

#include <vel/VelDataChange.h>

#include <string>

namespace Vel::Velcfg {

// The entries of `changes` whose bits meet `mask`; `count` receives the number of values.
std::string DiffText(CVelDataChange& changes, int mask, int& count);
std::string DiffJson(CVelDataChange& changes, int mask, int& count);

} // namespace Vel::Velcfg
