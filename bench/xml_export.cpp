// XML export of the largest sample tree (a Tarvo third-series panel at 3.40) with the shipped
// English texts, in bytes and items per second, next to writers of a document of the same
// shape and size (the export itself, parsed): the library's own XML document writer,
// pugixml and tinyxml2; and next to pugixml doing the export's whole job, from the tree. Every
// writer starts from an empty output each round, and the heap is kept for all of them alike (main).
#include "SamplePanel.h"

#include <vel/DataContainerBase.h>
#include <vel/DataIPAddr.h>
#include <vel/DataIntChoice.h>
#include <vel/DataString.h>
#include <vel/DataTriggerSet.h>
#include <vel/FileLangText.h>
#include <vel/ValidationManager.h>
#include <vel/XMLDocument.h>
#include <vel/XmlExport.h>

#include "XmlAnchors.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>
#include <tinyxml2.h>

#include <memory>
#include <string>

namespace {

constexpr int kType = 101;
constexpr int kVersion = 340;

struct Fixture {
    Fixture() : panel(kType) {
        texts.Load(
            Vel::CString::Formatted("%slang/en.txt", Vel::CValidationManager().GetPath().c_str()));
        panel.Root().SetLanguageClass(&texts);
        panel.Open(kType, kVersion);
        panel.ForEachItem([this](Vel::CData&) { ++items; });
        text = Export().str();
    }

    Vel::CString Export() {
        Vel::CXmlExport xml;
        xml.BeginDocument(kType, kVersion);
        xml.WriteChildren(panel.Root(), 1);
        xml.EndDocument();
        return xml.TakeText();
    }

    Vel::CFileLangText texts;
    Vel::Sample::CSamplePanel panel;
    std::size_t items = 0;
    std::string text;
};

Fixture& Tree() {
    static Fixture fixture;
    return fixture;
}

// Bytes written and the tree's items, per second.
void Count(benchmark::State& state, std::size_t bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    state.counters["items"] = benchmark::Counter(static_cast<double>(Tree().items) *
                                                     static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
}

void VelXmlExport(benchmark::State& state) {
    Tree(); // built before the timed rounds
    std::size_t bytes = 0;
    for (auto _ : state) {
        const Vel::CString out = Tree().Export();
        bytes += static_cast<std::size_t>(out.GetLength());
        benchmark::DoNotOptimize(out.c_str());
    }
    Count(state, bytes);
}

void VelXmlDocumentWrite(benchmark::State& state) {
    Vel::_tagXMLDocument doc;
    Vel::_tagParseInfo info;
    info.m_cEscape = '\0';
    doc.Load(Tree().text.c_str(), &info);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = doc.GetXML();
        bytes += out.size();
        benchmark::DoNotOptimize(out.data());
    }
    Count(state, bytes);
}

void PugixmlWrite(benchmark::State& state) {
    pugi::xml_document doc;
    doc.load_buffer(Tree().text.data(), Tree().text.size());
    std::size_t bytes = 0;
    for (auto _ : state) {
        PugiStringWriter writer;
        doc.save(writer, "\t");
        bytes += writer.text.size();
        benchmark::DoNotOptimize(writer.text.data());
    }
    Count(state, bytes);
}

// The export's job done with pugixml: the same values, fetched as the export fetches them,
// built into a pugixml document that is then written out the same way.
void AppendNode(pugi::xml_node parent, Vel::CDataValidationClient& node);

void AppendChildren(pugi::xml_node element, Vel::CDataValidationClient& node) {
    for (Vel::CDataValidationClient* child : node.GetChildListRef()) {
        if (!child->IsDisabled()) {
            AppendNode(element, *child);
        }
    }
}

void AppendTriggers(pugi::xml_node element, Vel::CDataTriggerSet& set) {
    const Vel::CBitList chosen = set.GetBitmapInBite();
    for (std::size_t position = 0; position < chosen.size(); ++position) {
        if (chosen[position]) {
            pugi::xml_node trigger = element.append_child("trigger");
            trigger.append_attribute("id") = static_cast<int>(position);
            trigger.text() = set.GetTriggerText(static_cast<int>(position)).c_str();
        }
    }
}

void AppendNode(pugi::xml_node parent, Vel::CDataValidationClient& node) {
    namespace PanelDataTypes = Vel::PanelDataTypes;
    const int type = node.GetType();
    const std::string last = node.GetLastDataKey().str();
    if (type == PanelDataTypes::COLLECTION) {
        AppendChildren(parent.append_child((last + "Collection").c_str()), node);
    } else if (type == PanelDataTypes::CONTAINER) {
        pugi::xml_node element = parent.append_child(node.GetDataKey().c_str());
        if (node.GetParent()->GetType() == PanelDataTypes::COLLECTION) {
            element.append_attribute("id") = static_cast<Vel::CDataContainerBase&>(node).GetId();
        }
        AppendChildren(element, node);
    } else if (type == PanelDataTypes::INT_CHOICE) {
        auto& choice = static_cast<Vel::CDataIntChoice&>(node);
        pugi::xml_node element = parent.append_child(last.c_str());
        element.append_attribute("value") = static_cast<int>(choice);
        element.text() = choice.GetText().c_str();
    } else if (type == PanelDataTypes::NUMBER) {
        parent.append_child(last.c_str()).text() = node.GetValueString().c_str();
    } else if (type == PanelDataTypes::STRING) {
        parent.append_child(last.c_str()).text() =
            static_cast<Vel::CDataString&>(node).GetValue().c_str();
    } else if (type == PanelDataTypes::IP_ADDRESS) {
        const bool blank = static_cast<Vel::CDataIPAddr&>(node).GetBlank();
        parent.append_child(last.c_str()).text() = blank ? "" : node.GetValueString().c_str();
    } else if (auto* triggers = dynamic_cast<Vel::CDataTriggerSet*>(&node)) {
        AppendTriggers(parent.append_child(last.c_str()), *triggers);
    }
}

void PugixmlBuildAndWrite(benchmark::State& state) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        pugi::xml_document doc;
        pugi::xml_node declaration = doc.append_child(pugi::node_declaration);
        declaration.append_attribute("version") = "1.0";
        declaration.append_attribute("encoding") = "UTF-8";
        pugi::xml_node panel = doc.append_child("Panel");
        panel.append_attribute("type") = kType;
        panel.append_attribute("version") = kVersion;
        AppendChildren(panel, Tree().panel.Root());
        PugiStringWriter writer;
        doc.save(writer, "\t", pugi::format_default | pugi::format_no_declaration);
        bytes += writer.text.size();
        benchmark::DoNotOptimize(writer.text.data());
    }
    Count(state, bytes);
}

void Tinyxml2Write(benchmark::State& state) {
    tinyxml2::XMLDocument doc;
    doc.Parse(Tree().text.c_str(), Tree().text.size());
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes += Tinyxml2PrintOnce(doc);
    }
    Count(state, bytes);
}

} // namespace

BENCHMARK(VelXmlExport)->Unit(benchmark::kMicrosecond);
BENCHMARK(VelXmlDocumentWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(PugixmlWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(PugixmlBuildAndWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(Tinyxml2Write)->Unit(benchmark::kMicrosecond);
