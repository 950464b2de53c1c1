// CLangTextBase: a language text provider. Hosts derive from it to answer the texts the
// data model asks for; an unknown key answers the empty text.
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class VEL_API CLangTextBase {
public:
    CLangTextBase() = default;
    CLangTextBase(const CLangTextBase&) = delete;
    CLangTextBase& operator=(const CLangTextBase&) = delete;
    virtual ~CLangTextBase() = default;

    // Texts of the process-wide provider: captions of containers and collections,
    // difference texts.
    virtual CString GetText(const CString& key) const = 0;
    // Texts of a root's own provider: item captions, descriptions, default texts,
    // translations.
    virtual CString GetTranslation(const CString& key) const = 0;
};

} // namespace Vel
