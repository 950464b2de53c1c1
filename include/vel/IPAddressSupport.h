// CIPAddressSupport: checks and splits dotted IPv4 address texts and resolves host names to
// such texts. The IP address item decodes its values here; hosts use the resolver.
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class VEL_API CIPAddressSupport {
public:
    CIPAddressSupport() = default;

    // Accepts only digits and exactly three dots; an empty part counts as 0 and a part above
    // 255 refuses the text. Parts are written as they are accepted, so after a refusal the
    // outputs before the failing part already hold their new values.
    static bool DecodeIPAddress(CString text, unsigned char& first, unsigned char& second,
                                unsigned char& third, unsigned char& fourth);

    // Dotted text of the first IPv4 address of `hostName`; false (and an empty text) when the
    // name does not resolve to one. May block for as long as the system resolver does.
    static bool GetIPFromHostName(CString hostName, CString& address);
};

} // namespace Vel
