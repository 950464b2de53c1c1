#include <vel/XMLDispOption.h>
#include <vel/XMLParseInfo.h>

namespace Vel {

_tagParseInfo piDefault;
_tagDispOption optDefault;

void _tagParseInfo::SetError(int code, const char* position, std::string text) {
    if (m_bErrorOccurred)
        return;
    m_bErrorOccurred = true;
    m_pErrorPosition = position;
    m_nErrorCode = code;
    m_sErrorText = std::move(text);
}

} // namespace Vel
