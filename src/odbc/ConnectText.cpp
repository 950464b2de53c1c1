#include "ConnectText.h"

#include <unistd.h>

#include <vector>

namespace Vel {

namespace {

struct Pair {
    CString key;
    CString value;
};

std::vector<Pair> split(const CString& connect) {
    std::vector<Pair> pairs;
    const std::string& s = connect.str();
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t eq = s.find('=', i);
        if (eq == std::string::npos) {
            break;
        }
        const std::size_t semicolon = s.find(';', i);
        if (semicolon < eq) {
            i = semicolon + 1; // a part without a value
            continue;
        }
        Pair pair{CString(s.substr(i, eq - i)).Trim(), CString()};
        std::size_t end = eq + 1;
        if (end < s.size() && s[end] == '{') {
            const std::size_t close = s.find('}', end);
            const std::size_t stop = close == std::string::npos ? s.size() : close;
            pair.value = CString(s.substr(end + 1, stop - end - 1));
            end = s.find(';', stop);
        } else {
            end = s.find(';', end);
            pair.value = CString(
                s.substr(eq + 1, end == std::string::npos ? std::string::npos : end - eq - 1));
        }
        pairs.push_back(pair);
        i = end == std::string::npos ? s.size() : end + 1;
    }
    return pairs;
}

CString join(const std::vector<Pair>& pairs) {
    CString out;
    for (const Pair& p : pairs) {
        const bool brace = p.value.FindOneOf(";{}") >= 0 || p.value.Find(' ') >= 0;
        out += p.key + "=" + (brace ? "{" + p.value + "}" : p.value) + ";";
    }
    return out;
}

} // namespace

CString ConnectValue(const CString& connect, const char* key) {
    for (const Pair& p : split(connect)) {
        if (p.key.CompareNoCase(key) == 0) {
            return p.value;
        }
    }
    return {};
}

CString ConnectWith(const CString& connect, const char* key, const CString& value) {
    std::vector<Pair> pairs = split(connect);
    for (Pair& p : pairs) {
        if (p.key.CompareNoCase(key) == 0) {
            p.value = value;
            return join(pairs);
        }
    }
    pairs.push_back({key, value});
    return join(pairs);
}

CString KnownDriverLibrary(const CString& driverName) {
    static const char* const folders[] = {"/usr/lib/x86_64-linux-gnu/odbc/",
                                          "/usr/lib/aarch64-linux-gnu/odbc/", "/usr/lib/odbc/",
                                          "/usr/lib64/"};
    const char* file = nullptr;
    if (driverName.CompareNoCase("SQLite3") == 0) {
        file = "libsqlite3odbc.so";
    } else if (driverName.CompareNoCase("PostgreSQL Unicode") == 0) {
        file = "psqlodbcw.so";
    }
    if (!file) {
        return {};
    }
    for (const char* folder : folders) {
        const CString path = CString(folder) + file;
        if (access(path.c_str(), R_OK) == 0) {
            return path;
        }
    }
    return {};
}

} // namespace Vel
