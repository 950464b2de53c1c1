// velcfg store-load: every sample panel (or one) stored in a database and loaded back.
#pragma once

#include "LanguageTexts.h"
#include "Options.h"

namespace Vel::Velcfg {

int RunStoreLoad(const COptions& options, CLanguageTexts& texts);

} // namespace Vel::Velcfg
