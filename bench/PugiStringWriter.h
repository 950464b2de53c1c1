// Shared by the XML benchmarks: pugixml's output collected in one string.
#pragma once

#include <pugixml.hpp>

#include <cstddef>
#include <string>

struct PugiStringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
};
