// XML export of the largest sample tree (a Tarvo third-series panel at 3.40) with the shipped
// English texts, in bytes and items per second, next to writers of a document of the same
// shape and size (the export itself, parsed): the library's own XML document writer,
// pugixml and tinyxml2. Every writer starts from an empty output each round, and the heap
// is kept for all of them alike (main).
#include "SamplePanel.h"

#include <vel/FileLangText.h>
#include <vel/ValidationManager.h>
#include <vel/XMLDocument.h>
#include <vel/XmlExport.h>

#include <benchmark/benchmark.h>
#include <malloc.h>
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

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

void PugixmlWrite(benchmark::State& state) {
    pugi::xml_document doc;
    doc.load_buffer(Tree().text.data(), Tree().text.size());
    std::size_t bytes = 0;
    for (auto _ : state) {
        StringWriter writer;
        doc.save(writer, "\t");
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
        tinyxml2::XMLPrinter printer;
        doc.Print(&printer);
        bytes += static_cast<std::size_t>(printer.CStrSize());
        benchmark::DoNotOptimize(printer.CStr());
    }
    Count(state, bytes);
}

} // namespace

BENCHMARK(VelXmlExport)->Unit(benchmark::kMicrosecond);
BENCHMARK(VelXmlDocumentWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(PugixmlWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(Tinyxml2Write)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    // Freed memory stays with the process, so no writer pays for fresh pages.
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    Tree();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
