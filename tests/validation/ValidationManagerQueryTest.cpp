// Runs the real vmdtool over the shipped validation set and checks its answers against the
// readable sources in data/validation.
#include "platform/ModuleFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <utility>
#include <vector>

namespace {

const std::filesystem::path kSources =
    std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "data" / "validation";

std::string upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
    return text;
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// A readable source as its author sees it: sections in file order, keys with their values.
struct Source {
    std::vector<std::string> sections;                                 // as written
    std::map<std::string, std::map<std::string, std::string>> entries; // upper-cased names

    explicit Source(const std::filesystem::path& file) {
        std::ifstream in(file);
        EXPECT_TRUE(in) << file;
        std::string line;
        std::string current;
        while (std::getline(in, line)) {
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

    const std::string* Find(const std::string& section, const std::string& key) const {
        const auto s = entries.find(upper(section));
        if (s == entries.end()) {
            return nullptr;
        }
        const auto k = s->second.find(upper(key));
        return k == s->second.end() ? nullptr : &k->second;
    }

    // The element as a data author reads it: own section first, then up the "Parent" chain.
    std::string Resolve(const std::string& section, const std::string& element) const {
        std::string current = section;
        std::set<std::string> seen;
        while (seen.insert(upper(current)).second) {
            if (const std::string* value = Find(current, element)) {
                return *value;
            }
            const std::string* parent = Find(current, "Parent");
            if (!parent) {
                break;
            }
            current = *parent;
            for (auto pos = current.find("__"); pos != std::string::npos;
                 pos = current.find("__")) {
                current.replace(pos, 2, ".");
            }
        }
        return {};
    }
};

// The shipped lists use single values and "a..b" ranges only.
std::vector<int> expand(const std::string& list) {
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

// One JSON object of a line: member names in order with their raw values; strings unescaped.
using Members = std::vector<std::pair<std::string, std::string>>;

std::string readString(const std::string& line, std::size_t& pos) {
    std::string out;
    for (++pos; pos < line.size() && line[pos] != '"'; ++pos) {
        if (line[pos] == '\\') {
            ++pos;
            if (line[pos] == 'u') {
                out += static_cast<char>(std::stoi(line.substr(pos + 1, 4), nullptr, 16));
                pos += 4;
                continue;
            }
        }
        out += line[pos];
    }
    ++pos;
    return out;
}

Members parseObject(const std::string& line) {
    Members members;
    std::size_t pos = 1;
    while (pos < line.size() && line[pos] == '"') {
        const std::string name = readString(line, pos);
        ++pos; // ':'
        std::string value;
        if (line[pos] == '"') {
            value = readString(line, pos);
        } else {
            const auto end = line.find(line[pos] == '[' ? "]" : "", pos);
            const auto stop = line.find_first_of(",}", line[pos] == '[' ? end : pos);
            value = line.substr(pos, (line[pos] == '[' ? end + 1 : stop) - pos);
            pos = line[pos] == '[' ? end + 1 : stop;
        }
        members.emplace_back(name, value);
        ++pos; // ',' or '}'
    }
    return members;
}

std::string get(const Members& members, const std::string& name) {
    for (const auto& [n, v] : members) {
        if (n == name) {
            return v;
        }
    }
    ADD_FAILURE() << "no member " << name;
    return {};
}

struct ToolRun {
    int status;
    std::vector<std::string> lines;
};

ToolRun vmdtool(const std::string& arguments) {
    const std::string command = Vel::GetModuleFolder() + "vmdtool " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    ToolRun run{-1, {}};
    if (!pipe) {
        return run;
    }
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        run.lines.push_back(line);
    }
    return run;
}

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (const char ch : text) {
        out += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return out + "'";
}

struct Panel {
    int type;
    int version;
    const char* map;
    const char* model;
    const char* versionFolder;
};

// Every model folder with every validation version the set ships for it.
const Panel kPanels[] = {
    {65, 610, "V6TypeVerMap", "V6Compact", "V6_1"},
    {65, 650, "V6TypeVerMap", "V6Compact", "V6_5"},
    {66, 620, "V6TypeVerMap", "V6Standard", "V6_1"},
    {66, 650, "V6TypeVerMap", "V6Standard", "V6_5"},
    {67, 610, "V6TypeVerMap", "V6Plus", "V6_1"},
    {67, 650, "V6TypeVerMap", "V6Plus", "V6_5"},
    {68, 610, "V6TypeVerMap", "V6Pro", "V6_1"},
    {68, 650, "V6TypeVerMap", "V6Pro", "V6_5"},
    {69, 620, "V6TypeVerMap", "V6Grand", "V6_1"},
    {69, 650, "V6TypeVerMap", "V6Grand", "V6_5"},
    {96, 314, "BrioSeriesTypeVerMap", "TarvoS", "V3_14"},
    {96, 340, "BrioSeriesTypeVerMap", "TarvoS", "V3_40_2"},
    {97, 314, "BrioSeriesTypeVerMap", "TarvoM", "V3_14"},
    {97, 340, "BrioSeriesTypeVerMap", "TarvoM", "V3_40_2"},
    {98, 314, "BrioSeriesTypeVerMap", "TarvoL", "V3_14"},
    {98, 340, "BrioSeriesTypeVerMap", "TarvoL", "V3_40_2"},
    {99, 330, "BrioSeriesTypeVerMap", "TarvoS", "V3_30"},
    {99, 340, "BrioSeriesTypeVerMap", "TarvoS", "V3_40_3"},
    {100, 330, "BrioSeriesTypeVerMap", "TarvoM", "V3_30"},
    {100, 340, "BrioSeriesTypeVerMap", "TarvoM", "V3_40_3"},
    {101, 330, "BrioSeriesTypeVerMap", "TarvoL", "V3_30"},
    {101, 340, "BrioSeriesTypeVerMap", "TarvoL", "V3_40_3"},
};

std::string panelName(const Panel& panel) {
    return std::to_string(panel.type) + "/" + std::to_string(panel.version);
}

// The readable source that the map names for a panel under `section`.
Source sourceFor(const Panel& panel, const std::string& section) {
    const Source map(kSources / (std::string(panel.map) + ".txt"));
    const std::string* file = map.Find(section, panel.versionFolder);
    EXPECT_NE(file, nullptr) << panelName(panel);
    return Source(kSources / ((file ? *file : std::string("missing")) + ".txt"));
}

void checkItem(const Source& source, const std::string& key, const Members& m) {
    SCOPED_TRACE(key);
    const auto text = [&](const char* element) { return source.Resolve(key, element); };
    const auto number = [&](const char* element) {
        const std::string value = text(element);
        return std::to_string(std::strtol(value.c_str(), nullptr, 10));
    };
    const auto flag = [&](const char* element) {
        return upper(text(element)) == "TRUE" ? "true" : "false";
    };
    EXPECT_EQ(get(m, "key"), key);
    EXPECT_EQ(get(m, "disabled"), flag("Disabled"));
    EXPECT_EQ(get(m, "readOnly"), flag("ReadOnly"));
    EXPECT_EQ(get(m, "checkImport"), flag("CheckImport"));
    EXPECT_EQ(get(m, "defaultString"), text("Default"));
    EXPECT_EQ(get(m, "allowedChars"), text("AllowedChars"));
    EXPECT_EQ(get(m, "parent"), source.Find(key, "Parent") ? *source.Find(key, "Parent") : "");
    EXPECT_EQ(get(m, "minChars"), number("MinChars"));
    EXPECT_EQ(get(m, "maxChars"), number("MaxChars"));
    EXPECT_EQ(get(m, "minNumber"), number("MinNumber"));
    EXPECT_EQ(get(m, "maxNumber"), number("MaxNumber"));
    const std::string choices = text("Choices");
    std::vector<int> expected;
    if (choices.find('\\') == std::string::npos) {
        expected = expand(choices);
    } else {
        // The parent's choices without the excluded ones.
        expected = expand(source.Resolve(*source.Find(key, "Parent"), "Choices"));
        std::string excluded = choices;
        excluded.erase(std::remove(excluded.begin(), excluded.end(), '\\'), excluded.end());
        for (const int value : expand(excluded)) {
            expected.erase(std::remove(expected.begin(), expected.end(), value), expected.end());
        }
    }
    std::string list = "[";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        list += (i ? "," : "") + std::to_string(expected[i]);
    }
    EXPECT_EQ(get(m, "choices"), list + "]");
    const std::string defaultText = text("Default");
    const std::string firstChoice = expected.empty() ? "0" : std::to_string(expected.front());
    EXPECT_EQ(get(m, "defaultChoice"), defaultText.empty() ? firstChoice : number("Default"));
}

TEST(VmdtoolQuery, AnswersAgreeWithTheReadableSourcesForEveryPanel) {
    for (const Panel& panel : kPanels) {
        SCOPED_TRACE(panelName(panel));
        const Source source = sourceFor(panel, panel.model);
        std::vector<std::string> keys;
        std::string arguments = "query --type " + std::to_string(panel.type) + " --version " +
                                std::to_string(panel.version);
        for (const std::string& section : source.sections) {
            if (section.rfind("Base.", 0) != 0) {
                keys.push_back(section);
                arguments += " " + quoted(section);
            }
        }
        ASSERT_GT(keys.size(), 40U);
        const ToolRun run = vmdtool(arguments + " No.Such.Key");
        ASSERT_EQ(run.status, 0);
        ASSERT_EQ(run.lines.size(), keys.size() + 1);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            checkItem(source, keys[i], parseObject(run.lines[i]));
        }
        EXPECT_EQ(get(parseObject(run.lines.back()), "disabled"), "true");
    }
}

TEST(VmdtoolQuery, ConfigurationAnswersAgreeWithTheReadableSources) {
    for (const Panel& panel : kPanels) {
        SCOPED_TRACE(panelName(panel));
        const Source source = sourceFor(panel, "VariantConfiguration");
        std::string arguments = "query --config --type " + std::to_string(panel.type) +
                                " --version " + std::to_string(panel.version);
        std::vector<std::string> collections;
        for (const std::string& section : source.sections) {
            if (source.Find(section, "Limit")) {
                collections.push_back(section);
                arguments += " " + quoted(section);
            }
        }
        ASSERT_GE(collections.size(), 9U);
        const ToolRun run = vmdtool(arguments);
        ASSERT_EQ(run.status, 0);
        ASSERT_EQ(run.lines.size(), collections.size());
        for (std::size_t i = 0; i < collections.size(); ++i) {
            const Members m = parseObject(run.lines[i]);
            const std::string* own = source.Find(collections[i], panel.model);
            const std::string* value = own ? own : source.Find(collections[i], "Default");
            ASSERT_NE(value, nullptr) << collections[i];
            EXPECT_EQ(m, (Members{{"key", collections[i]},
                                  {"limit", *source.Find(collections[i], "Limit")},
                                  {"value", *value}}));
        }
    }
}

TEST(VmdtoolQuery, VersionsOfOneModelReallyDiffer) {
    const auto answer = [](const char* type, const char* version, const char* key,
                           const char* member) {
        const ToolRun run =
            vmdtool(std::string("query --type ") + type + " --version " + version + " " + key);
        EXPECT_EQ(run.lines.size(), 1U) << type << "/" << version << " " << key;
        return run.lines.empty() ? std::string() : get(parseObject(run.lines[0]), member);
    };
    EXPECT_EQ(answer("66", "610", "System.BellTime", "maxNumber"), "30");
    EXPECT_EQ(answer("66", "650", "System.BellTime", "maxNumber"), "20");
    EXPECT_EQ(answer("66", "610", "Network.Dhcp", "disabled"), "true");
    EXPECT_EQ(answer("66", "650", "Network.Dhcp", "disabled"), "false");
    EXPECT_EQ(answer("66", "610", "Arc.IpAddress", "disabled"), "true");
    EXPECT_EQ(answer("65", "650", "Zone.Function", "choices"), "[0,1,2,3,4,6,7,9]");
    EXPECT_EQ(answer("65", "650", "Output.Rio.Type", "disabled"), "true");
    EXPECT_EQ(answer("96", "314", "Telecom.Format", "choices"), "[0,1,3]");
    EXPECT_EQ(answer("96", "340", "Telecom.Format", "choices"), "[1,3]");
    EXPECT_NE(answer("99", "330", "Output.Header.Type", "choices").find(",14"), std::string::npos);
    EXPECT_EQ(answer("99", "340", "Output.Header.Type", "choices").find(",14"), std::string::npos);
    EXPECT_EQ(answer("96", "314", "Network.DnsServer", "disabled"), "true");
    EXPECT_EQ(answer("99", "330", "HolidayInterval.Year", "disabled"), "false");
}

TEST(VmdtoolQuery, EscapesTextsAndRefusesUnknownPanels) {
    const ToolRun run = vmdtool("query --type 66 --version 650 " + quoted("A\"B\\C\tD"));
    ASSERT_EQ(run.lines.size(), 1U);
    EXPECT_EQ(run.lines[0].rfind(R"({"key":"A\"B\\C\u0009D","disabled":true,)", 0), 0U)
        << run.lines[0];
    const Members m = parseObject(run.lines[0]);
    std::vector<std::string> names;
    for (const auto& member : m) {
        names.push_back(member.first);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"key", "disabled", "readOnly", "checkImport",
                                               "choices", "defaultChoice", "defaultString",
                                               "minChars", "maxChars", "allowedChars", "minNumber",
                                               "maxNumber", "defaultNumber", "parent"}));

    EXPECT_EQ(vmdtool("query --type 97 --version 330 Zone.Name").status, 2);
    EXPECT_EQ(vmdtool("query --type 70 --version 650 Zone.Name").status, 2);
    EXPECT_EQ(vmdtool("query --type 66 Zone.Name").status, 2);
    EXPECT_EQ(vmdtool("query --type x --version 650 Zone.Name").status, 2);
    EXPECT_EQ(vmdtool("query --type 66 --version 650").status, 2);
}

} // namespace
