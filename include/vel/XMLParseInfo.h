// _tagParseInfo: the settings of one parse of the XML document parser and, after it, the
// first error it met. piDefault holds the process-wide defaults.
#pragma once

#include <vel/Export.h>
#include <vel/XMLEntityTable.h>

#include <string>

namespace Vel {

// Error codes of a parse.
enum XMLParseError : int {
    PIE_PARSE_WELFORMED = 0,
    PIE_ALONE_NOT_CLOSED = 1, // "Element must be closed."
    PIE_NOT_CLOSED = 2,       // an element without its end tag
    PIE_NOT_NESTED = 3,       // an end tag that names another element
    PIE_ATTR_NO_VALUE = 4,    // a malformed attribute
};

struct VEL_API _tagParseInfo {
    bool m_bTrimValue = false;
    bool m_bReplaceEntities = true;
    const CXMLEntityTable* m_pEntityTable = &entityDefault;
    // The byte after it is taken literally and never ends a token.
    char m_cEscape = '\\';
    // Go on past a mismatched end tag.
    bool m_bForceParse = false;

    const char* m_pSource = nullptr;
    bool m_bErrorOccurred = false;
    const char* m_pErrorPosition = nullptr;
    int m_nErrorCode = PIE_PARSE_WELFORMED;
    std::string m_sErrorText;

    // Records an error unless one is recorded already: the first error is the one to show.
    void SetError(int code, const char* position, std::string text);
};

using PARSEINFO = _tagParseInfo;

// The defaults a parse starts from when it is given no parse info of its own.
extern VEL_API _tagParseInfo piDefault;

} // namespace Vel
