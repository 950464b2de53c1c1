// Parse and write throughput of the XML document parser against tinyxml2 and pugixml on the
// same bytes in the same run, on three generated documents of about 10 MB each: a
// configuration export, an attribute-heavy list and text-heavy notes full of references.
// Each parse builds a fresh document, reads every text decoded (tinyxml2 decodes only when
// asked, so its texts are asked for) and frees it, for every library alike.
// Goals: Vel at least 1.5x tinyxml2 on every shape; as a moonshot 0.5x pugixml.
#include <vel/XMLDocument.h>

#include "XmlAnchors.h"

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

// Elements with many attributes, some with references, and no text.
std::string MakeAttributes() {
    std::mt19937 random(7);
    std::string out = "<?xml version=\"1.0\"?>\n<Items>\n";
    for (int id = 1; out.size() < kTargetBytes; ++id) {
        const int type = static_cast<int>(random() % 6);
        out += "  <Item id=\"" + std::to_string(id) + "\" type=\"" + std::to_string(type) +
               "\" name=\"" + Escaped(kZoneTypes[type]) + "\" area=\"" +
               std::to_string(random() % 8) + "\" delay=\"" + std::to_string(random() % 120) +
               "\" flags=\"a,b,c\" gateway=\"10.0." + std::to_string(random() % 256) +
               ".1\" trigger=\"" + kTriggers[random() % 6] + "\"/>\n";
    }
    return out + "</Items>\n";
}

// Long texts, each with several references.
std::string MakeTexts() {
    std::mt19937 random(11);
    std::string out = "<?xml version=\"1.0\"?>\n<Notes>\n";
    for (int id = 1; out.size() < kTargetBytes; ++id) {
        out += "  <Note id=\"" + std::to_string(id) + "\">";
        for (int s = 0; s < 4; ++s)
            out += Escaped("Zone " + std::to_string(random() % 500) + " & area " +
                           std::to_string(random() % 8) + " \"" + kTriggers[random() % 6] +
                           "\" when <armed> & the door is open for longer than the delay. ");
        out += "</Note>\n";
    }
    return out + "</Notes>\n";
}

enum Shape { kExport, kAttributes, kTexts };

const std::string& Text(Shape shape) {
    static const std::string texts[] = {MakeExport(), MakeAttributes(), MakeTexts()};
    return texts[shape];
}

const std::string& Export() {
    return Text(kExport);
}

void SetBytes(benchmark::State& state, const std::string& text) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
}

void VelParse(benchmark::State& state, Shape shape) {
    const std::string& text = Text(shape);
    for (auto _ : state) {
        Vel::_tagXMLDocument doc;
        Vel::_tagParseInfo info;
        const char* end = doc.Load(text.c_str(), &info);
        if (!end || info.m_bErrorOccurred)
            state.SkipWithError(info.m_sErrorText.c_str());
        benchmark::DoNotOptimize(end);
    }
    SetBytes(state, text);
}

// Asks for every name and text below `node`, which makes tinyxml2 decode them.
void DecodeAll(const tinyxml2::XMLNode* node) {
    for (const tinyxml2::XMLNode* child = node->FirstChild(); child; child = child->NextSibling()) {
        benchmark::DoNotOptimize(child->Value());
        if (const tinyxml2::XMLElement* element = child->ToElement())
            for (const tinyxml2::XMLAttribute* attr = element->FirstAttribute(); attr;
                 attr = attr->Next()) {
                benchmark::DoNotOptimize(attr->Name());
                benchmark::DoNotOptimize(attr->Value());
            }
        DecodeAll(child);
    }
}

void Tinyxml2Parse(benchmark::State& state, Shape shape) {
    const std::string& text = Text(shape);
    for (auto _ : state) {
        tinyxml2::XMLDocument doc;
        if (doc.Parse(text.c_str(), text.size()) != tinyxml2::XML_SUCCESS)
            state.SkipWithError(doc.ErrorStr());
        DecodeAll(&doc);
    }
    SetBytes(state, text);
}

void PugixmlParse(benchmark::State& state, Shape shape) {
    const std::string& text = Text(shape);
    for (auto _ : state) {
        pugi::xml_document doc;
        if (!doc.load_buffer(text.data(), text.size()))
            state.SkipWithError("pugixml failed");
        benchmark::DoNotOptimize(doc.first_child());
    }
    SetBytes(state, text);
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
        bytes += Tinyxml2PrintOnce(doc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void PugixmlWrite(benchmark::State& state) {
    pugi::xml_document doc;
    doc.load_buffer(Export().data(), Export().size());
    std::size_t bytes = 0;
    for (auto _ : state) {
        PugiStringWriter writer;
        doc.save(writer);
        bytes += writer.text.size();
        benchmark::DoNotOptimize(writer.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

} // namespace

BENCHMARK_CAPTURE(VelParse, export, kExport)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tinyxml2Parse, export, kExport)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PugixmlParse, export, kExport)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VelParse, attributes, kAttributes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tinyxml2Parse, attributes, kAttributes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PugixmlParse, attributes, kAttributes)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(VelParse, texts, kTexts)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tinyxml2Parse, texts, kTexts)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PugixmlParse, texts, kTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(VelWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(Tinyxml2Write)->Unit(benchmark::kMillisecond);
BENCHMARK(PugixmlWrite)->Unit(benchmark::kMillisecond);
