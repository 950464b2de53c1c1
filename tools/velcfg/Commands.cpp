#include "Commands.h"

#include "ItemInput.h"
#include "ItemView.h"
#include "PanelCatalogue.h"
#include "Report.h"
#include "SamplePanel.h"
#include "ValidationFileCheck.h"

#include <vel/DataString.h>
#include <vel/DatabaseManager.h>
#include <vel/TextCommon.h>
#include <vel/ValidationManager.h>
#include <vel/ValidationManagerList.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace Vel::Velcfg {

void fail(const std::string& message) {
    // Lines already written to standard output come first, also when it is a pipe.
    std::fflush(stdout);
    std::fprintf(stderr, "velcfg: %s\n", Printable(message).c_str());
}

bool requirePanel(const char* command, int type, int version) {
    if (type < 0 || version < 0) {
        fail(std::string(command) + " needs --type and --version");
        return false;
    }
    return true;
}

CString ConnectText(const std::string& database) {
    return database.find('=') == std::string::npos ? CDatabaseManager::SqliteConnect(database)
                                                   : CString(database);
}

// Runs `read`, which reads the type and version maps; false (with one line naming the file
// and why) when a map it read is damaged.
template <class Read> bool readMaps(Read read) {
    Tools::CReportCollector reports;
    read();
    const std::string problem = Tools::FirstValidationFileProblem(reports.NamedFiles());
    if (!problem.empty()) {
        fail(problem);
        return false;
    }
    reports.PrintAll();
    return true;
}

// One line for a panel that cannot be opened.
bool checkPanel(int type, int version) {
    if (!Sample::CSamplePanel::IsKnownType(type)) {
        fail("panel type " + std::to_string(type) + " belongs to no panel family");
        return false;
    }
    bool supported = false;
    if (!readMaps([&] { supported = Sample::CPanelCatalogue::IsSupported(type, version); })) {
        return false;
    }
    if (!supported) {
        fail("panel type " + std::to_string(type) + " version " + std::to_string(version) +
             " is not supported (see velcfg panels)");
        return false;
    }
    return true;
}

namespace {

// Changes the panel; false (reported) when it cannot be opened or its files are damaged. A
// damaged file makes every item report, and the tree would show nothing but defaults.
bool changePanel(Sample::CSamplePanel& panel, int type, int version) {
    Tools::CReportCollector reports;
    const bool opened = panel.Open(type, version);
    const std::string problem =
        Tools::ManagerFileProblem(reports, panel.Root().GetValidationManager());
    if (!problem.empty()) {
        fail(problem);
        return false;
    }
    reports.PrintAll();
    if (!opened) {
        fail("panel type " + std::to_string(type) + " version " + std::to_string(version) +
             " cannot be opened");
    }
    return opened;
}

} // namespace

// The sample tree of a panel, opened; null (reported) when the panel is not supported.
std::unique_ptr<Sample::CSamplePanel> openPanel(int type, int version, CLanguageTexts& texts) {
    if (!checkPanel(type, version)) {
        return nullptr;
    }
    auto panel = std::make_unique<Sample::CSamplePanel>(type);
    panel->Root().SetLanguageClass(&texts.Provider());
    if (!changePanel(*panel, type, version)) {
        return nullptr;
    }
    return panel;
}

namespace {

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

} // namespace

bool PrintItems(Sample::CSamplePanel& panel, const std::string& prefix, bool json) {
    const std::vector<Sample::CItemView> views = viewsOf(panel, prefix);
    if (views.empty()) {
        fail("no item under '" + prefix + "' on this panel");
        return false;
    }
    if (json) {
        PrintJson(stdout, views);
    } else {
        for (const Sample::CItemView& view : views) {
            std::printf("%s\n", ItemLine(view).c_str());
        }
    }
    return true;
}

// Applies every KEY=VALUE in order; refused values and unknown keys are reported.
int applyValues(Sample::CSamplePanel& panel, const KeyValues& values, bool reportAccepted) {
    int status = Done;
    for (const auto& [key, value] : values) {
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
                std::printf("%s\n", Printable(key + "=" + value + ": accepted, now " +
                                              Sample::CItemView(*item).m_sValue.str())
                                        .c_str());
            }
        } else {
            fail(key + "=" + value + " refused: " + reason.str());
            status = std::max<int>(status, Refused);
        }
    }
    return status;
}

std::unique_ptr<Sample::CSamplePanel> openWithValues(const char* command, const COptions& options,
                                                     CLanguageTexts& texts, int& status) {
    if (!requirePanel(command, options.m_nType, options.m_nVersion)) {
        return nullptr;
    }
    auto panel = openPanel(options.m_nType, options.m_nVersion, texts);
    status = panel ? applyValues(*panel, options.m_vecValues, false) : UsageError;
    return status == UsageError ? nullptr : std::move(panel);
}

namespace {

// An item as convert compares it: what show prints, and the stored value, which tells a
// refused value from changed limits and an encrypted text changed from one unchanged.
struct SItemState {
    Sample::CItemView view;
    CString stored;
    bool encrypted = false;
};

std::vector<SItemState> statesOf(Sample::CSamplePanel& panel) {
    std::vector<SItemState> states;
    panel.ForEachItem([&](CData& item) {
        const auto* text = dynamic_cast<const CDataString*>(&item);
        states.push_back({Sample::CItemView(item), text ? text->GetValue() : item.GetValueString(),
                          text && text->IsCrypted()});
    });
    return states;
}

// The state of one side; an encrypted text shows only whether the conversion changed it.
std::string shownState(const SItemState& state, const SItemState* before) {
    if (!state.encrypted) {
        return ItemState(state.view);
    }
    Sample::CItemView view = state.view;
    view.m_sValue = !before                          ? "(encrypted)"
                    : before->stored == state.stored ? "unchanged"
                                                     : "changed";
    return ItemState(view);
}

void printChange(const Sample::CItemView& view, const std::string& was, const std::string& now,
                 bool refused) {
    std::printf("%s\n", Printable(view.m_sKey.str() + " | " + view.m_sCaption.str() + " | " + was +
                                  " => " + now + (refused ? " | REFUSED: value replaced" : ""))
                            .c_str());
}

// Every item whose value, limits or marks differ, then one summary line. A value the
// target panel refused (and replaced) is flagged apart from limits that merely changed.
void printChanges(const std::vector<SItemState>& before, const std::vector<SItemState>& after) {
    std::map<std::string, const SItemState*> old;
    for (const SItemState& state : before) {
        old.emplace(state.view.m_sKey.str(), &state);
    }
    int changes = 0;
    int refused = 0;
    for (const SItemState& state : after) {
        const auto found = old.find(state.view.m_sKey.str());
        const SItemState* was = found == old.end() ? nullptr : found->second;
        const std::string wasShown = was ? shownState(*was, nullptr) : "(absent)";
        const std::string nowShown = shownState(state, was);
        // An item the target panel disables (or enables) changes its value with it; that is
        // shown by its mark, not counted as a refusal.
        const bool replaced =
            was && !was->view.m_bDisabled && !state.view.m_bDisabled && was->stored != state.stored;
        if (was) {
            old.erase(found);
        }
        if (!was || ItemState(was->view) != ItemState(state.view) || replaced) {
            printChange(state.view, wasShown, nowShown, replaced);
            ++changes;
            refused += replaced ? 1 : 0;
        }
    }
    for (const SItemState& state : before) {
        if (old.count(state.view.m_sKey.str())) {
            printChange(state.view, shownState(state, nullptr), "(absent)", false);
            ++changes;
        }
    }
    std::printf("%d item%s changed, %d value%s refused by the target panel and replaced\n", changes,
                changes == 1 ? "" : "s", refused, refused == 1 ? "" : "s");
}

} // namespace

int RunPanels() {
    std::vector<Sample::SPanelEntry> panels;
    if (!readMaps([&] { panels = Sample::CPanelCatalogue::Supported(); })) {
        return UsageError;
    }
    if (panels.empty()) {
        fail("no validation files found in " + CValidationManagerList::GetValidationFolder().str());
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
    if (!options.m_vecValues.empty()) {
        const auto& [key, value] = options.m_vecValues.front();
        fail("show takes no KEY=VALUE ('" + key + "=" + value +
             "'); velcfg validate applies values");
        return UsageError;
    }
    auto panel = openPanel(options.m_nType, options.m_nVersion, texts);
    if (!panel) {
        return UsageError;
    }
    return PrintItems(*panel, options.m_sKeyPrefix, options.m_bJson) ? Done : UsageError;
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
    return panel ? applyValues(*panel, options.m_vecValues, true) : UsageError;
}

int RunConvert(const COptions& options, CLanguageTexts& texts) {
    if (!requirePanel("convert", options.m_nType, options.m_nVersion) ||
        !requirePanel("convert", options.m_nToType, options.m_nToVersion) ||
        !checkPanel(options.m_nToType, options.m_nToVersion)) {
        return UsageError;
    }
    int status = Done;
    auto panel = openWithValues("convert", options, texts, status);
    if (!panel) {
        return UsageError;
    }
    const std::vector<SItemState> before = statesOf(*panel);

    std::unique_ptr<Sample::CSamplePanel> converted;
    if (panel->Root().IsFamilyType(options.m_nToType)) {
        if (!changePanel(*panel, options.m_nToType, options.m_nToVersion)) {
            return UsageError;
        }
    } else {
        // Another family: a tree of its own takes the values, then checks them once more.
        converted = openPanel(options.m_nToType, options.m_nToVersion, texts);
        if (!converted) {
            return UsageError;
        }
        converted->Root().CopyValues(panel->Root(), CString());
        if (!changePanel(*converted, options.m_nToType, options.m_nToVersion)) {
            return UsageError;
        }
    }
    printChanges(before, statesOf(converted ? *converted : *panel));
    return status;
}

} // namespace Vel::Velcfg
