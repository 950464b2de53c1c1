#include <vel/TextCommon.h>

#include <atomic>

namespace Vel {

namespace {

class EmptyLangText final : public CLangTextBase {
public:
    CString GetText(const CString&) const override { return {}; }
    CString GetTranslation(const CString&) const override { return {}; }
};

EmptyLangText g_emptyProvider;
std::atomic<CLangTextBase*> g_provider{nullptr};

} // namespace

CLangTextBase* CTextCommon::GetLanguageClass() {
    CLangTextBase* provider = g_provider.load(std::memory_order_acquire);
    return provider ? provider : &g_emptyProvider;
}

void CTextCommon::SetLanguageClass(CLangTextBase* provider) {
    g_provider.store(provider, std::memory_order_release);
}

} // namespace Vel
