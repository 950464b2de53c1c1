#include <vel/IPAddressSupport.h>

#include <arpa/inet.h>
#include <memory>
#include <netdb.h>
#include <sys/socket.h>

namespace Vel {

namespace {

bool isAddressText(const CString& text) {
    int dots = 0;
    for (const char ch : text.view()) {
        if (ch == '.') {
            ++dots;
        } else if (ch < '0' || ch > '9') {
            return false;
        }
    }
    return dots == 3;
}

// Digits only, already checked; an empty part is 0. Stops counting once past 255 so that no
// length of digits can overflow.
bool decodePart(const CString& part, unsigned char& out) {
    unsigned value = 0;
    for (const char ch : part.view()) {
        value = value * 10u + static_cast<unsigned>(ch - '0');
        if (value > 255u) {
            return false;
        }
    }
    out = static_cast<unsigned char>(value);
    return true;
}

} // namespace

bool CIPAddressSupport::DecodeIPAddress(CString text, unsigned char& first, unsigned char& second,
                                        unsigned char& third, unsigned char& fourth) {
    if (text.IsEmpty() || !isAddressText(text)) {
        return false;
    }
    unsigned char* const outputs[] = {&first, &second, &third, &fourth};
    int start = 0;
    for (unsigned char* output : outputs) {
        int end = text.Find('.', start);
        if (end < 0) {
            end = text.GetLength();
        }
        if (!decodePart(text.Mid(start, end - start), *output)) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

bool CIPAddressSupport::GetIPFromHostName(CString hostName, CString& address) {
    address.Empty();
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(hostName.c_str(), nullptr, &hints, &found) != 0 || found == nullptr) {
        return false;
    }
    const std::unique_ptr<addrinfo, void (*)(addrinfo*)> owner(found, &freeaddrinfo);
    if (found->ai_family != AF_INET || found->ai_addr == nullptr) {
        return false;
    }
    const auto* ipv4 = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    char text[INET_ADDRSTRLEN] = {};
    if (inet_ntop(AF_INET, &ipv4->sin_addr, text, sizeof text) == nullptr) {
        return false;
    }
    address = text;
    return true;
}

} // namespace Vel
