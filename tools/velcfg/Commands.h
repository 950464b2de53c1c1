// The commands of velcfg; each answers the exit status.
#pragma once

#include "LanguageTexts.h"
#include "Options.h"
#include "SamplePanel.h"

#include <memory>
#include <string>
#include <vector>

namespace Vel::Velcfg {

enum ExitStatus { Done = 0, Refused = 1, UsageError = 2 };

// Shared by the commands: one line on standard error, the checks of a panel's type and
// version, an opened panel (null, reported, when it cannot be), and KEY=VALUE applied in order
// with refused values and unknown keys reported.
void fail(const std::string& message);
bool requirePanel(const char* command, int type, int version);
bool checkPanel(int type, int version);
std::unique_ptr<Sample::CSamplePanel> openPanel(int type, int version, CLanguageTexts& texts);
int applyValues(Sample::CSamplePanel& panel, const KeyValues& values, bool reportAccepted);
// The panel of --type and --version with its KEY=VALUE applied; null (reported) when it cannot
// be opened or a key is unknown. `status` is Refused when a value was refused.
std::unique_ptr<Sample::CSamplePanel> openWithValues(const char* command, const COptions& options,
                                                     CLanguageTexts& texts, int& status);
// The items at or below `prefix`, one line each or as JSON; false (reported) when none.
bool PrintItems(Sample::CSamplePanel& panel, const std::string& prefix, bool json);

// The connection text of a database option: a text with '=' is an ODBC connection text,
// anything else the path of an SQLite file.
CString ConnectText(const std::string& database);

// The pieces of diff, export and report that also work on stored sites. ListDifferences
// answers the exit status of a diff (1 when there are differences, 130 when interrupted).
void CatchInterrupt();
int DiffMask(const std::string& only);
int ListDifferences(Sample::CSamplePanel& left, Sample::CSamplePanel& right, int mask, bool json);
int WriteXml(Sample::CSamplePanel& panel, int type, int version,
             const std::vector<std::string>& screenNames, const std::string& outFile);
int WriteReport(Sample::CSamplePanel& panel, int type, int version, const std::string& templateName,
                const std::string& outFile);

int RunPanels();
int RunShow(const COptions& options, CLanguageTexts& texts);
int RunValidate(const COptions& options, CLanguageTexts& texts);
int RunConvert(const COptions& options, CLanguageTexts& texts);
int RunDiff(const COptions& options, CLanguageTexts& texts);
int RunExport(const COptions& options, CLanguageTexts& texts);
int RunReport(const COptions& options, CLanguageTexts& texts);

} // namespace Vel::Velcfg
