// velcfg: shows, validates and converts the configuration trees of libvel's sample panels.
#include "Commands.h"
#include "LanguageTexts.h"
#include "Options.h"
#include "SiteCommand.h"
#include "StoreLoad.h"

#include <vel/TextCommon.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

// The language texts, loaded for the captions of every command that opens a panel.
void loadTexts(Vel::Velcfg::CLanguageTexts& texts) {
    std::string error;
    if (!texts.Load(error)) {
        // Not a failure: every caption then shows its missing-text marker.
        std::fprintf(stderr, "velcfg: %s; captions show their data keys\n", error.c_str());
    }
    Vel::CTextCommon::SetLanguageClass(&texts.Provider());
}

} // namespace

int main(int argc, char** argv) {
    using namespace Vel::Velcfg;
    if (argc > 1 && std::strcmp(argv[1], "site") == 0) {
        CLanguageTexts texts;
        loadTexts(texts);
        const int status = RunSite(argc - 1, argv + 1, texts);
        Vel::CTextCommon::SetLanguageClass(nullptr);
        return status;
    }
    COptions options;
    std::string error;
    if (!options.Parse(argc, argv, error)) {
        std::fprintf(stderr, "velcfg: %s (velcfg --help)\n", error.c_str());
        return UsageError;
    }
    if (options.m_bHelp) {
        std::fputs(UsageText(), stdout);
        return Done;
    }
    if (options.m_sCommand == "panels") {
        return RunPanels();
    }
    using Command = int (*)(const COptions&, CLanguageTexts&);
    static const std::map<std::string, Command> commands = {
        {"show", RunShow},           {"validate", RunValidate}, {"convert", RunConvert},
        {"diff", RunDiff},           {"export", RunExport},     {"report", RunReport},
        {"store-load", RunStoreLoad}};
    const auto command = commands.find(options.m_sCommand);
    if (command == commands.end()) {
        std::fprintf(stderr, "velcfg: %s (velcfg --help)\n",
                     options.m_sCommand.empty()
                         ? "no command given"
                         : ("unknown command '" + options.m_sCommand + "'").c_str());
        return UsageError;
    }
    CLanguageTexts texts;
    loadTexts(texts);
    const int status = command->second(options, texts);
    Vel::CTextCommon::SetLanguageClass(nullptr);
    return status;
}
