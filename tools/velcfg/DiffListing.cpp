#include "DiffListing.h"

#include "Report.h"

namespace Vel::Velcfg {

namespace {

// "*" changed, "-" left only, "+" right only; the first bit decides for mixed sets.
const char* mark(int bits) {
    return bits & CVelDataChange::CHANGED ? "*" : bits & CVelDataChange::LEFT_ONLY ? "-" : "+";
}

const char* kind(int bits) {
    return bits & CVelDataChange::CHANGED     ? "changed"
           : bits & CVelDataChange::LEFT_ONLY ? "left"
                                              : "right";
}

void appendText(std::string& out, CVelDataChange& node, int mask, int depth, int& count) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    while (CVelDataChange* entry = node.GetNextSorted(mask)) {
        if (entry->IsEmpty()) {
            out += indent + mark(entry->m_nChangeType) + " " + entry->m_sName.str() + ": " +
                   entry->m_sLeftValue.str() + " | " + entry->m_sRightValue.str() + "\n";
            ++count;
        } else {
            out += indent + entry->m_sName.str() + "\n";
            appendText(out, *entry, mask, depth + 1, count);
        }
    }
}

void appendJson(std::string& out, CVelDataChange& node, int mask, int depth, int& count) {
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    out += "[";
    const char* separator = "\n";
    while (CVelDataChange* entry = node.GetNextSorted(mask)) {
        out += separator + indent + "  {\"name\": " + JsonText(entry->m_sName.str());
        if (entry->IsEmpty()) {
            out += std::string(", \"change\": \"") + kind(entry->m_nChangeType) +
                   "\", \"left\": " + JsonText(entry->m_sLeftValue.str()) +
                   ", \"right\": " + JsonText(entry->m_sRightValue.str()) + "}";
            ++count;
        } else {
            out += ", \"entries\": ";
            appendJson(out, *entry, mask, depth + 1, count);
            out += "}";
        }
        separator = ",\n";
    }
    out += std::string(*separator == ',' ? "\n" + indent : "") + "]";
}

} // namespace

std::string DiffText(CVelDataChange& changes, int mask, int& count) {
    std::string out;
    count = 0;
    appendText(out, changes, mask, 0, count);
    out += count == 0 ? "no differences\n"
                      : std::to_string(count) + (count == 1 ? " difference\n" : " differences\n");
    return out;
}

std::string DiffJson(CVelDataChange& changes, int mask, int& count) {
    std::string entries;
    count = 0;
    appendJson(entries, changes, mask, 1, count);
    return "{\n  \"differences\": " + std::to_string(count) + ",\n  \"changes\": " + entries +
           "\n}\n";
}

} // namespace Vel::Velcfg
