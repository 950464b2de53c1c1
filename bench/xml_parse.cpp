// Parse and write throughput of the XML document parser on a generated configuration export
// of about 10 MB, against tinyxml2 and pugixml on the same bytes in the same run. Each parse
// builds a fresh document and frees it, for every library alike.
#include <vel/XMLDocument.h>

#include <benchmark/benchmark.h>
#include <pugixml.hpp>
#include <tinyxml2.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr std::size_t kTargetBytes = 10u << 20;

const char* const kZoneTypes[] = {"Entry/exit", "Interior",   "24 hour & tamper",
                                  "Fire",       "Key switch", "\"Silent\" panic"};
const char* const kTriggers[] = {"Alarm", "Tamper", "Fault", "Bypass", "Chime", "Low battery"};

void Line(std::string& out, int level, const std::string& text) {
    out.append(static_cast<std::size_t>(level) * 2, ' ');
    out += text;
    out += '\n';
}

std::string Leaf(const std::string& name, const std::string& text) {
    return "<" + name + ">" + text + "</" + name + ">";
}

std::string Choice(const std::string& name, int value, const std::string& text) {
    return "<" + name + " value=\"" + std::to_string(value) + "\">" + text + "</" + name + ">";
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += ch;
            break;
        }
    }
    return out;
}

void Zone(std::string& out, std::mt19937& random, int id) {
    Line(out, 2, "<Zone id=\"" + std::to_string(id) + "\">");
    const int type = static_cast<int>(random() % 6);
    Line(out, 3, Choice("Type", type, Escaped(kZoneTypes[type])));
    Line(out, 3, Leaf("Name", Escaped("Zone " + std::to_string(id) + " - front door & hall")));
    Line(out, 3, Choice("Area", static_cast<int>(random() % 8) + 1, "Area"));
    Line(out, 3, Leaf("EntryDelay", std::to_string(random() % 120)));
    Line(out, 3, Leaf("Gateway", "192.168." + std::to_string(random() % 256) + ".1"));
    Line(out, 3, "<Triggers>");
    for (int t = 0; t < 6; ++t)
        if (random() % 2)
            Line(out, 4,
                 "<trigger id=\"" + std::to_string(t) + "\">" + kTriggers[t] + "</trigger>");
    Line(out, 3, "</Triggers>");
    Line(out, 2, "</Zone>");
}

void User(std::string& out, std::mt19937& random, int id) {
    Line(out, 2, "<User id=\"" + std::to_string(id) + "\">");
    Line(out, 3, Leaf("Name", "User " + std::to_string(id)));
    Line(out, 3, Leaf("Code", std::to_string(100000 + random() % 900000)));
    Line(out, 3, Choice("Level", static_cast<int>(random() % 4), "Manager"));
    Line(out, 3, Leaf("Phone", "+44 20 7946 " + std::to_string(random() % 10000)));
    Line(out, 2, "</User>");
}

std::string MakeExport() {
    std::mt19937 random(20240611);
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    Line(out, 0, "<Site id=\"4711\" type=\"66\" version=\"610\">");
    Line(out, 1, "<Panel.System>");
    Line(out, 2, Leaf("SiteName", "Warehouse Nörth &amp; Sons"));
    Line(out, 2, Choice("Language", 0, "English"));
    Line(out, 1, "</Panel.System>");
    int id = 1;
    while (out.size() < kTargetBytes) {
        Line(out, 1, "<ZoneCollection>");
        for (int i = 0; i < 64; ++i)
            Zone(out, random, id++);
        Line(out, 1, "</ZoneCollection>");
        Line(out, 1, "<UserCollection>");
        for (int i = 0; i < 32; ++i)
            User(out, random, id++);
        Line(out, 1, "</UserCollection>");
    }
    Line(out, 0, "</Site>");
    return out;
}

const std::string& Export() {
    static const std::string text = MakeExport();
    return text;
}

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(Export().size()));
}

void VelParse(benchmark::State& state) {
    const std::string& text = Export();
    for (auto _ : state) {
        Vel::_tagXMLDocument doc;
        Vel::_tagParseInfo info;
        const char* end = doc.Load(text.c_str(), &info);
        if (!end || info.m_bErrorOccurred)
            state.SkipWithError(info.m_sErrorText.c_str());
        benchmark::DoNotOptimize(end);
    }
    SetBytes(state);
}

void VelParseOnly(benchmark::State& state) {
    const std::string& text = Export();
    for (auto _ : state) {
        auto* doc = new Vel::_tagXMLDocument;
        doc->Load(text.c_str());
        state.PauseTiming();
        delete doc;
        state.ResumeTiming();
    }
    SetBytes(state);
}
BENCHMARK(VelParseOnly)->Unit(benchmark::kMillisecond);

void Tinyxml2Parse(benchmark::State& state) {
    const std::string& text = Export();
    for (auto _ : state) {
        tinyxml2::XMLDocument doc;
        if (doc.Parse(text.c_str(), text.size()) != tinyxml2::XML_SUCCESS)
            state.SkipWithError(doc.ErrorStr());
        benchmark::DoNotOptimize(doc.RootElement());
    }
    SetBytes(state);
}

void PugixmlParse(benchmark::State& state) {
    const std::string& text = Export();
    for (auto _ : state) {
        pugi::xml_document doc;
        if (!doc.load_buffer(text.data(), text.size()))
            state.SkipWithError("pugixml failed");
        benchmark::DoNotOptimize(doc.first_child());
    }
    SetBytes(state);
}

void VelWrite(benchmark::State& state) {
    Vel::_tagXMLDocument doc;
    doc.Load(Export().c_str());
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = doc.GetXML();
        bytes += out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void Tinyxml2Write(benchmark::State& state) {
    tinyxml2::XMLDocument doc;
    doc.Parse(Export().c_str(), Export().size());
    std::size_t bytes = 0;
    for (auto _ : state) {
        tinyxml2::XMLPrinter printer;
        doc.Print(&printer);
        bytes += static_cast<std::size_t>(printer.CStrSize());
        benchmark::DoNotOptimize(printer.CStr());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

void PugixmlWrite(benchmark::State& state) {
    pugi::xml_document doc;
    doc.load_buffer(Export().data(), Export().size());
    std::size_t bytes = 0;
    for (auto _ : state) {
        StringWriter writer;
        doc.save(writer);
        bytes += writer.text.size();
        benchmark::DoNotOptimize(writer.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

} // namespace

BENCHMARK(VelParse)->Unit(benchmark::kMillisecond);
BENCHMARK(Tinyxml2Parse)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlParse)->Unit(benchmark::kMillisecond);
BENCHMARK(VelWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(Tinyxml2Write)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlWrite)->Unit(benchmark::kMillisecond);
