#include "Dialect.h"

#include <cctype>
#include <string>

namespace Vel {

namespace {

// Copies a quoted run starting at `i` (the opening quote), doubled quotes included.
std::size_t copyQuoted(const std::string& in, std::size_t i, std::string& out) {
    const char quote = in[i];
    out += in[i++];
    while (i < in.size()) {
        out += in[i];
        if (in[i++] == quote) {
            if (i < in.size() && in[i] == quote) {
                out += in[i++];
                continue;
            }
            break;
        }
    }
    return i;
}

} // namespace

CString RewriteBracketsForPostgres(const CString& sql) {
    const std::string& in = sql.str();
    std::string out;
    out.reserve(in.size() + 8);
    std::size_t i = 0;
    while (i < in.size()) {
        const char ch = in[i];
        if (ch == '\'' || ch == '"') {
            i = copyQuoted(in, i, out);
        } else if (ch == '[') {
            const std::size_t close = in.find(']', i + 1);
            if (close == std::string::npos) {
                out.append(in, i, std::string::npos);
                break;
            }
            out += '"';
            for (std::size_t k = i + 1; k < close; ++k) {
                const char c = in[k];
                if (c == '"') {
                    out += "\"\"";
                } else {
                    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
                }
            }
            out += '"';
            i = close + 1;
        } else {
            out += ch;
            ++i;
        }
    }
    return CString(std::move(out));
}

} // namespace Vel
