// CTextCommon: holds the process-wide language text provider. Until a host sets one, an
// empty provider answers every key with the empty text, so GetLanguageClass never fails.
#pragma once

#include <vel/Export.h>
#include <vel/LangTextBase.h>

namespace Vel {

class VEL_API CTextCommon {
public:
    // Never null.
    static CLangTextBase* GetLanguageClass();
    // The provider is not owned and must outlive its use; null restores the empty provider.
    static void SetLanguageClass(CLangTextBase* provider);
};

} // namespace Vel
