// The commands of velcfg; each answers the exit status.
#pragma once

#include "LanguageTexts.h"
#include "Options.h"
#include "SamplePanel.h"

#include <memory>
#include <string>

namespace Vel::Velcfg {

enum ExitStatus { Done = 0, Refused = 1, UsageError = 2 };

// Shared by the commands: one "velcfg: " line on standard error; whether --type and
// --version were given (reported when not); the opened sample tree of a panel, or null
// (reported) when the panel is not supported.
void fail(const std::string& message);
bool requirePanel(const char* command, int type, int version);
std::unique_ptr<Sample::CSamplePanel> openPanel(int type, int version, CLanguageTexts& texts);
// Applies every KEY=VALUE in order; refused values and unknown keys are reported.
int applyValues(Sample::CSamplePanel& panel, const COptions& options, bool reportAccepted);

int RunPanels();
int RunShow(const COptions& options, CLanguageTexts& texts);
int RunValidate(const COptions& options, CLanguageTexts& texts);
int RunConvert(const COptions& options, CLanguageTexts& texts);
int RunExport(const COptions& options, CLanguageTexts& texts);

} // namespace Vel::Velcfg
