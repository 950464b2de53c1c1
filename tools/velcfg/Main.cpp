// velcfg: shows, validates and converts the configuration trees of libvel's sample panels.
#include "Commands.h"
#include "LanguageTexts.h"
#include "Options.h"
#include "StoreLoad.h"

#include <vel/TextCommon.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    using namespace Vel::Velcfg;
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
    if (options.m_sCommand == "store-load") {
        return RunStoreLoad(options);
    }
    CLanguageTexts texts;
    const bool known = options.m_sCommand == "show" || options.m_sCommand == "validate" ||
                       options.m_sCommand == "convert";
    if (!known) {
        std::fprintf(stderr, "velcfg: %s (velcfg --help)\n",
                     options.m_sCommand.empty()
                         ? "no command given"
                         : ("unknown command '" + options.m_sCommand + "'").c_str());
        return UsageError;
    }
    if (!texts.Load(error)) {
        // Not a failure: every caption then shows its missing-text marker.
        std::fprintf(stderr, "velcfg: %s; captions show their data keys\n", error.c_str());
    }
    Vel::CTextCommon::SetLanguageClass(&texts.Provider());
    const int status = options.m_sCommand == "show"       ? RunShow(options, texts)
                       : options.m_sCommand == "validate" ? RunValidate(options, texts)
                                                          : RunConvert(options, texts);
    Vel::CTextCommon::SetLanguageClass(nullptr);
    return status;
}
