#include "Report.h"

namespace Vel::Velcfg {

namespace {

std::string marks(const Sample::CItemView& view) {
    std::string result;
    if (view.m_bDisabled) {
        result += " | disabled";
    }
    if (view.m_bReadOnly) {
        result += " | read-only";
    }
    return result;
}

// The control character starting at `text[i]` (C0, DEL, or C1 written as UTF-8), with the
// number of bytes it takes in `length`; -1 for anything else.
int controlAt(const std::string& text, std::size_t i, std::size_t& length) {
    const auto byte = static_cast<unsigned char>(text[i]);
    length = 1;
    if (byte < 0x20 || byte == 0x7F) {
        return byte;
    }
    if (byte == 0xC2 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (next >= 0x80 && next <= 0x9F) {
            length = 2;
            return next;
        }
    }
    return -1;
}

// Copies `text`, replacing each control character by `escape(code)`.
template <class Escape> std::string replaceControls(const std::string& text, Escape escape) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        const int code = controlAt(text, i, length);
        if (code < 0) {
            result += text[i];
        } else {
            result += escape(code);
        }
        i += length;
    }
    return result;
}

std::string formatted(const char* format, int code) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, format, code);
    return escaped;
}

} // namespace

std::string ItemLine(const Sample::CItemView& view) {
    return Printable(view.m_sKey.str() + " | " + view.m_sCaption.str() + " | " +
                     view.m_sValue.str() + " | " + view.m_sLimits.str() + marks(view));
}

std::string ItemState(const Sample::CItemView& view) {
    return view.m_sValue.str() + " [" + view.m_sLimits.str() + "]" +
           (view.m_bDisabled ? " disabled" : "") + (view.m_bReadOnly ? " read-only" : "");
}

std::string Printable(const std::string& text) {
    return replaceControls(text, [](int code) { return formatted("\\x%02x", code); });
}

std::string JsonText(const std::string& text) {
    std::string quoted = "\"";
    for (const char ch : text) {
        if (ch == '"' || ch == '\\') {
            quoted += '\\';
        }
        quoted += ch;
    }
    std::string result = replaceControls(quoted, [](int code) {
        return code == '\n'   ? std::string("\\n")
               : code == '\t' ? std::string("\\t")
                              : formatted("\\u%04x", code);
    });
    result += '"';
    return result;
}

void PrintJson(std::FILE* out, const std::vector<Sample::CItemView>& views) {
    std::fputs("[\n", out);
    for (std::size_t i = 0; i < views.size(); ++i) {
        const Sample::CItemView& view = views[i];
        std::fprintf(out,
                     "  {\"key\": %s, \"caption\": %s, \"type\": %s, \"value\": %s, "
                     "\"limits\": %s, \"disabled\": %s, \"readOnly\": %s}%s\n",
                     JsonText(view.m_sKey.str()).c_str(), JsonText(view.m_sCaption.str()).c_str(),
                     JsonText(view.m_sType.str()).c_str(), JsonText(view.m_sValue.str()).c_str(),
                     JsonText(view.m_sLimits.str()).c_str(), view.m_bDisabled ? "true" : "false",
                     view.m_bReadOnly ? "true" : "false", i + 1 < views.size() ? "," : "");
    }
    std::fputs("]\n", out);
}

} // namespace Vel::Velcfg
