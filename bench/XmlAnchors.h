// Shared by the XML benchmarks: the established libraries' writers, each producing the whole
// document text once.
#pragma once

#include <benchmark/benchmark.h>
#include <pugixml.hpp>
#include <tinyxml2.h>

#include <cstddef>
#include <string>

struct PugiStringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};

// Prints an already parsed document; answers the bytes written.
inline std::size_t Tinyxml2PrintOnce(const tinyxml2::XMLDocument& doc) {
    tinyxml2::XMLPrinter printer;
    doc.Print(&printer);
    benchmark::DoNotOptimize(printer.CStr());
    return static_cast<std::size_t>(printer.CStrSize());
}
