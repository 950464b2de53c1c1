// Runs the real vmdtool over the shipped validation set and checks its answers against the
// readable sources in data/validation.
#include "support/RunTool.h"

#include <vel/String.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using VelTest::RunTool;

// Not from __FILE__, which ccache may have made relative to the build folder.
const std::filesystem::path kSources =
    std::filesystem::path(VEL_SOURCE_DIR) / "data" / "validation";

std::string upper(const std::string& text) {
    return Vel::CString(text).MakeUpper().str();
}
std::string trim(const std::string& text) {
    return Vel::CString(text).Trim().str();
}

// A readable source as its author sees it: sections in file order, keys with their values.
struct Source {
    std::vector<std::string> sections;                                 // as written
    std::map<std::string, std::map<std::string, std::string>> entries; // upper-cased names

    explicit Source(const std::filesystem::path& file) {
        std::ifstream in(file);
        EXPECT_TRUE(in) << file;
        std::string current;
        for (std::string line; std::getline(in, line);) {
            line = trim(line.substr(0, line.find(';')));
            if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
                current = line.substr(1, line.size() - 2);
                sections.push_back(current);
            } else if (const auto eq = line.find('='); eq != std::string::npos && eq > 0) {
                entries[upper(current)][upper(trim(line.substr(0, eq)))] =
                    trim(line.substr(eq + 1));
            }
        }
    }

    bool Has(const std::string& section, const std::string& key) const {
        const auto s = entries.find(upper(section));
        return s != entries.end() && s->second.count(upper(key)) > 0;
    }
    std::string Find(const std::string& section, const std::string& key) const {
        return Has(section, key) ? entries.at(upper(section)).at(upper(key)) : std::string();
    }

    // The element as a data author reads it: own section first, then up the "Parent" chain.
    std::string Resolve(std::string section, const std::string& element) const {
        for (std::set<std::string> seen; seen.insert(upper(section)).second;) {
            if (Has(section, element)) {
                return Find(section, element);
            }
            if (!Has(section, "Parent")) {
                break;
            }
            Vel::CString parent(Find(section, "Parent"));
            parent.Replace("__", ".");
            section = parent.str();
        }
        return {};
    }
};

// The shipped lists use single values and "a..b" ranges only; "\" marks are dropped.
std::vector<int> expand(std::string list) {
    list.erase(std::remove(list.begin(), list.end(), '\\'), list.end());
    std::vector<int> values;
    std::stringstream items(list);
    for (std::string item; std::getline(items, item, ',');) {
        const auto dots = item.find("..");
        const int low = std::stoi(item.substr(0, dots));
        const int high = dots == std::string::npos ? low : std::stoi(item.substr(dots + 2));
        for (int n = low; n <= high; ++n) {
            values.push_back(n);
        }
    }
    return values;
}

// The line vmdtool should print for `key`, worked out from the source by hand.
std::string expectedLine(const Source& source, const std::string& key) {
    const auto text = [&](const char* element) { return source.Resolve(key, element); };
    const auto number = [&](const char* element) {
        return std::to_string(std::strtol(text(element).c_str(), nullptr, 10));
    };
    const auto flag = [&](const char* element) {
        return upper(text(element)) == "TRUE" ? "true" : "false";
    };
    const std::string choices = text("Choices");
    std::vector<int> values = expand(choices);
    if (choices.find('\\') != std::string::npos) { // the parent's choices without these
        std::vector<int> kept = expand(source.Resolve(source.Find(key, "Parent"), "Choices"));
        for (const int value : values) {
            kept.erase(std::remove(kept.begin(), kept.end(), value), kept.end());
        }
        values = kept;
    }
    std::string list;
    for (const int value : values) {
        list += list.empty() ? "" : ",";
        list += std::to_string(value);
    }
    const std::string firstChoice = values.empty() ? "0" : std::to_string(values.front());
    return "{\"key\":\"" + key + "\",\"disabled\":" + flag("Disabled") +
           ",\"readOnly\":" + flag("ReadOnly") + ",\"checkImport\":" + flag("CheckImport") +
           ",\"choices\":[" + list +
           "],\"defaultChoice\":" + (text("Default").empty() ? firstChoice : number("Default")) +
           ",\"defaultString\":\"" + text("Default") + "\",\"minChars\":" + number("MinChars") +
           ",\"maxChars\":" + number("MaxChars") + ",\"allowedChars\":\"" + text("AllowedChars") +
           "\",\"minNumber\":" + number("MinNumber") + ",\"maxNumber\":" + number("MaxNumber") +
           ",\"defaultNumber\":" + number("Default") + ",\"parent\":\"" +
           source.Find(key, "Parent") + "\"}";
}

struct Panel {
    std::string type;
    std::string version;
    std::string model;
    std::string versionFolder;
    std::string Map() const {
        return std::stoi(type) < 90 ? "V6TypeVerMap" : "BrioSeriesTypeVerMap";
    }
};

// Every model folder with every validation version the set ships for it.
const Panel kPanels[] = {{"65", "610", "V6Compact", "V6_1"},  {"65", "650", "V6Compact", "V6_5"},
                         {"66", "620", "V6Standard", "V6_1"}, {"66", "650", "V6Standard", "V6_5"},
                         {"67", "610", "V6Plus", "V6_1"},     {"67", "650", "V6Plus", "V6_5"},
                         {"68", "610", "V6Pro", "V6_1"},      {"68", "650", "V6Pro", "V6_5"},
                         {"69", "620", "V6Grand", "V6_1"},    {"69", "650", "V6Grand", "V6_5"},
                         {"96", "314", "TarvoS", "V3_14"},    {"96", "340", "TarvoS", "V3_40_2"},
                         {"97", "314", "TarvoM", "V3_14"},    {"97", "340", "TarvoM", "V3_40_2"},
                         {"98", "314", "TarvoL", "V3_14"},    {"98", "340", "TarvoL", "V3_40_2"},
                         {"99", "330", "TarvoS", "V3_30"},    {"99", "340", "TarvoS", "V3_40_3"},
                         {"100", "330", "TarvoM", "V3_30"},   {"100", "340", "TarvoM", "V3_40_3"},
                         {"101", "330", "TarvoL", "V3_30"},   {"101", "340", "TarvoL", "V3_40_3"}};

// Runs "vmdtool query" for a panel over the sections of the source the map names under
// `mapSection` that `wanted` selects; checks each answer against `expected`.
template <typename Wanted, typename Expected>
void checkQuery(const Panel& panel, const std::string& mapSection, bool config, Wanted wanted,
                Expected expected) {
    SCOPED_TRACE(panel.type + "/" + panel.version);
    const Source map(kSources / (panel.Map() + ".txt"));
    const Source source(kSources / (map.Find(mapSection, panel.versionFolder) + ".txt"));
    std::vector<std::string> args = {"query", "--type", panel.type, "--version", panel.version};
    if (config) {
        args.push_back("--config");
    }
    std::vector<std::string> keys;
    std::copy_if(source.sections.begin(), source.sections.end(), std::back_inserter(keys),
                 [&](const std::string& section) { return wanted(source, section); });
    ASSERT_GE(keys.size(), 9U);
    args.insert(args.end(), keys.begin(), keys.end());
    const auto result = RunTool("vmdtool", args);
    ASSERT_EQ(result.status, 0) << result.err;
    std::string answers;
    for (const std::string& key : keys) {
        answers += expected(source, key) + "\n";
    }
    EXPECT_EQ(result.out, answers);
}

TEST(VmdtoolQuery, AnswersAgreeWithTheReadableSourcesForEveryPanel) {
    for (const Panel& panel : kPanels) {
        checkQuery(
            panel, panel.model, false,
            [](const Source&, const std::string& s) { return s.rfind("Base.", 0) != 0; },
            expectedLine);
        checkQuery(
            panel, "VariantConfiguration", true,
            [](const Source& source, const std::string& s) { return source.Has(s, "Limit"); },
            [&](const Source& source, const std::string& key) {
                const std::string value = source.Has(key, panel.model)
                                              ? source.Find(key, panel.model)
                                              : source.Find(key, "Default");
                return "{\"key\":\"" + key + "\",\"limit\":" + source.Find(key, "Limit") +
                       ",\"value\":" + value + "}";
            });
    }
}

TEST(VmdtoolQuery, VersionsOfOneModelReallyDiffer) {
    struct Case {
        const char* type;
        const char* version;
        const char* key;
        const char* answer; // a member and its value, as printed
        bool shown;
    };
    const Case cases[] = {
        {"66", "610", "System.BellTime", "\"maxNumber\":30,", true},
        {"66", "610", "Network.Dhcp", "\"disabled\":true,", true},
        {"66", "610", "Arc.IpAddress", "\"disabled\":true,", true},
        {"65", "650", "Zone.Function", "\"choices\":[0,1,2,3,4,6,7,9]", true},
        {"65", "650", "Output.Rio.Type", "\"disabled\":true,", true},
        {"96", "314", "Telecom.Format", "\"choices\":[0,1,3]", true},
        {"96", "340", "Telecom.Format", "\"choices\":[1,3]", true},
        {"99", "330", "Output.Header.Type", ",14", true},
        {"99", "340", "Output.Header.Type", ",14", false},
        {"96", "314", "Network.DnsServer", "\"disabled\":true,", true},
        {"99", "330", "HolidayInterval.Year", "\"disabled\":false,", true},
    };
    for (const Case& c : cases) {
        const auto result =
            RunTool("vmdtool", {"query", "--type", c.type, "--version", c.version, c.key});
        EXPECT_EQ(result.out.find(c.answer) != std::string::npos, c.shown)
            << c.type << "/" << c.version << " " << c.key << ": " << result.out;
    }
}

TEST(VmdtoolQuery, EscapesTextsAndRefusesUnknownPanels) {
    const auto escaped =
        RunTool("vmdtool", {"query", "--type", "66", "--version", "650", "A\"B\\C\tD"});
    EXPECT_EQ(escaped.out.rfind(R"({"key":"A\"B\\C\u0009D","disabled":true,)", 0), 0U)
        << escaped.out;
    const std::vector<std::vector<std::string>> refused = {
        {"--type", "97", "--version", "330", "Zone.Name"},
        {"--type", "70", "--version", "650", "Zone.Name"},
        {"--type", "66", "Zone.Name"},
        {"--type", "x", "--version", "650", "Zone.Name"},
        {"--type", "66", "--version", "650"},
    };
    for (std::vector<std::string> args : refused) {
        args.insert(args.begin(), "query");
        EXPECT_EQ(RunTool("vmdtool", args).status, 2) << args[2];
    }
}

} // namespace
