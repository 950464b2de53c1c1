#include "Commands.h"

#include "ItemInput.h"
#include "ItemView.h"
#include "PanelCatalogue.h"
#include "Report.h"
#include "SamplePanel.h"

#include <vel/TextCommon.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Vel::Velcfg {

namespace {

void fail(const std::string& message) {
    std::fprintf(stderr, "velcfg: %s\n", message.c_str());
}

bool requirePanel(const char* command, int type, int version) {
    if (type < 0 || version < 0) {
        fail(std::string(command) + " needs --type and --version");
        return false;
    }
    return true;
}

// One line for a panel that cannot be opened.
bool checkPanel(int type, int version) {
    if (!Sample::CSamplePanel::IsKnownType(type)) {
        fail("panel type " + std::to_string(type) + " belongs to no panel family");
        return false;
    }
    if (!Sample::CPanelCatalogue::IsSupported(type, version)) {
        fail("panel type " + std::to_string(type) + " version " + std::to_string(version) +
             " is not supported (see velcfg panels)");
        return false;
    }
    return true;
}

// The sample tree of a panel, opened; null (reported) when the panel is not supported.
std::unique_ptr<Sample::CSamplePanel> openPanel(int type, int version, CLanguageTexts& texts) {
    if (!checkPanel(type, version)) {
        return nullptr;
    }
    auto panel = std::make_unique<Sample::CSamplePanel>(type);
    panel->Root().SetLanguageClass(&texts.Provider());
    if (!panel->Open(type, version)) {
        fail("panel type " + std::to_string(type) + " version " + std::to_string(version) +
             " cannot be opened");
        return nullptr;
    }
    return panel;
}

// Whether a unique key names `prefix` itself or a node below it ("Zones.1" holds
// "Zones.1.Name" but not "Zones.10.Name").
bool isUnder(const std::string& key, const std::string& prefix) {
    if (prefix.empty() || key == prefix) {
        return true;
    }
    const std::string level = prefix.back() == '.' ? prefix : prefix + ".";
    return key.rfind(level, 0) == 0;
}

std::vector<Sample::CItemView> viewsOf(Sample::CSamplePanel& panel, const std::string& prefix) {
    std::vector<Sample::CItemView> views;
    panel.ForEachItem([&](CData& item) {
        if (isUnder(item.GetItemUniqueKey(true).str(), prefix)) {
            views.emplace_back(item);
        }
    });
    return views;
}

// Applies every KEY=VALUE in order; refused values and unknown keys are reported.
int applyValues(Sample::CSamplePanel& panel, const COptions& options, bool reportAccepted) {
    int status = Done;
    for (const auto& [key, value] : options.m_vecValues) {
        CDataValidationClient* node = panel.Root().FindItemByKey(key);
        auto* item = node && node->IsDataType() ? static_cast<CData*>(node) : nullptr;
        if (!item || item->GetItemUniqueKey(true) != CString(key)) {
            fail("no item '" + key + "' on this panel (velcfg show lists the keys)");
            status = UsageError;
            continue;
        }
        CString reason;
        if (Sample::CItemInput::Apply(*item, value, reason)) {
            if (reportAccepted) {
                std::printf("%s=%s: accepted, now %s\n", key.c_str(), value.c_str(),
                            Sample::CItemView(*item).m_sValue.c_str());
            }
        } else {
            fail(key + "=" + value + " refused: " + reason.str());
            status = std::max<int>(status, Refused);
        }
    }
    return status;
}

} // namespace

int RunPanels() {
    const std::vector<Sample::SPanelEntry> panels = Sample::CPanelCatalogue::Supported();
    if (panels.empty()) {
        fail("no validation files found beside libvel.so");
        return UsageError;
    }
    std::printf("%-6s %4s %7s  %-12s %-8s %s\n", "family", "type", "version", "model folder",
                "folder", "validation file");
    for (const Sample::SPanelEntry& entry : panels) {
        std::printf("%-6s %4d %7d  %-12s %-8s %s\n", entry.sFamily.c_str(), entry.nType,
                    entry.nVersion, entry.sModelFolder.c_str(), entry.sVersionFolder.c_str(),
                    entry.sValidationFile.c_str());
    }
    return Done;
}

int RunShow(const COptions& options, CLanguageTexts& texts) {
    if (!requirePanel("show", options.m_nType, options.m_nVersion)) {
        return UsageError;
    }
    auto panel = openPanel(options.m_nType, options.m_nVersion, texts);
    if (!panel) {
        return UsageError;
    }
    const std::vector<Sample::CItemView> views = viewsOf(*panel, options.m_sKeyPrefix);
    if (views.empty()) {
        fail("no item under '" + options.m_sKeyPrefix + "' on this panel");
        return UsageError;
    }
    if (options.m_bJson) {
        PrintJson(stdout, views);
    } else {
        for (const Sample::CItemView& view : views) {
            std::printf("%s\n", ItemLine(view).c_str());
        }
    }
    return Done;
}

int RunValidate(const COptions& options, CLanguageTexts& texts) {
    if (!requirePanel("validate", options.m_nType, options.m_nVersion)) {
        return UsageError;
    }
    if (options.m_vecValues.empty()) {
        fail("validate needs at least one KEY=VALUE");
        return UsageError;
    }
    auto panel = openPanel(options.m_nType, options.m_nVersion, texts);
    return panel ? applyValues(*panel, options, true) : UsageError;
}

int RunConvert(const COptions& options, CLanguageTexts& texts) {
    if (!requirePanel("convert", options.m_nType, options.m_nVersion) ||
        !requirePanel("convert", options.m_nToType, options.m_nToVersion)) {
        return UsageError;
    }
    if (!checkPanel(options.m_nToType, options.m_nToVersion)) {
        return UsageError;
    }
    auto panel = openPanel(options.m_nType, options.m_nVersion, texts);
    if (!panel) {
        return UsageError;
    }
    const int status = applyValues(*panel, options, false);
    if (status == UsageError) {
        return status;
    }
    const std::vector<Sample::CItemView> before = viewsOf(*panel, "");

    std::unique_ptr<Sample::CSamplePanel> converted;
    if (panel->Root().IsFamilyType(options.m_nToType)) {
        panel->Open(options.m_nToType, options.m_nToVersion);
    } else {
        // Another family: a tree of its own takes the values, then checks them once more.
        converted = openPanel(options.m_nToType, options.m_nToVersion, texts);
        if (!converted) {
            return UsageError;
        }
        converted->Root().CopyValues(panel->Root(), CString());
        converted->Open(options.m_nToType, options.m_nToVersion);
    }
    const std::vector<Sample::CItemView> after = viewsOf(converted ? *converted : *panel, "");

    std::map<std::string, const Sample::CItemView*> old;
    for (const Sample::CItemView& view : before) {
        old.emplace(view.m_sKey.str(), &view);
    }
    int changes = 0;
    for (const Sample::CItemView& view : after) {
        const auto found = old.find(view.m_sKey.str());
        const std::string was = found == old.end() ? "(absent)" : ItemState(*found->second);
        const std::string now = ItemState(view);
        if (found != old.end()) {
            old.erase(found);
        }
        if (was != now) {
            std::printf("%s | %s | %s => %s\n", view.m_sKey.c_str(), view.m_sCaption.c_str(),
                        was.c_str(), now.c_str());
            ++changes;
        }
    }
    for (const Sample::CItemView& view : before) {
        if (old.count(view.m_sKey.str())) {
            std::printf("%s | %s | %s => (absent)\n", view.m_sKey.c_str(), view.m_sCaption.c_str(),
                        ItemState(view).c_str());
            ++changes;
        }
    }
    std::printf("%d item%s changed\n", changes, changes == 1 ? "" : "s");
    return status;
}

std::unique_ptr<Sample::CSamplePanel> OpenSamplePanel(int type, int version,
                                                      CLanguageTexts& texts) {
    return openPanel(type, version, texts);
}

} // namespace Vel::Velcfg
