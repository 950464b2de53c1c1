// The commands of velcfg; each answers the exit status.
#pragma once

#include "LanguageTexts.h"
#include "Options.h"

namespace Vel::Velcfg {

enum ExitStatus { Done = 0, Refused = 1, UsageError = 2 };

int RunPanels();
int RunShow(const COptions& options, CLanguageTexts& texts);
int RunValidate(const COptions& options, CLanguageTexts& texts);
int RunConvert(const COptions& options, CLanguageTexts& texts);

} // namespace Vel::Velcfg
