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

} // namespace

std::string ItemLine(const Sample::CItemView& view) {
    return view.m_sKey.str() + " | " + view.m_sCaption.str() + " | " + view.m_sValue.str() + " | " +
           view.m_sLimits.str() + marks(view);
}

std::string ItemState(const Sample::CItemView& view) {
    return view.m_sValue.str() + " [" + view.m_sLimits.str() + "]" +
           (view.m_bDisabled ? " disabled" : "") + (view.m_bReadOnly ? " read-only" : "");
}

std::string JsonText(const std::string& text) {
    std::string result = "\"";
    for (const unsigned char ch : text) {
        switch (ch) {
        case '"':
            result += "\\\"";
            break;
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\t':
            result += "\\t";
            break;
        default:
            if (ch < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", ch);
                result += escaped;
            } else {
                result += static_cast<char>(ch);
            }
        }
    }
    return result + "\"";
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
