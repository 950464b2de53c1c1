// The commands of velcfg; each answers the exit status.
#pragma once

#include "LanguageTexts.h"
#include "Options.h"
#include "SamplePanel.h"

#include <memory>

namespace Vel::Velcfg {

enum ExitStatus { Done = 0, Refused = 1, UsageError = 2 };

int RunPanels();
int RunShow(const COptions& options, CLanguageTexts& texts);
int RunValidate(const COptions& options, CLanguageTexts& texts);
int RunConvert(const COptions& options, CLanguageTexts& texts);
int RunReport(const COptions& options, CLanguageTexts& texts);

// The sample tree of a panel, opened; null (reported) when the panel is not supported.
std::unique_ptr<Sample::CSamplePanel> OpenSamplePanel(int type, int version, CLanguageTexts& texts);

} // namespace Vel::Velcfg
