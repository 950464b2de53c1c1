#include <vel/Assert.h>
#include <vel/ValidationManager.h>

#include "platform/NumberText.h"
#include "validation/ValidationFolder.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>

namespace Vel {

namespace {

constexpr const char* kSource = "ValidationManagerVel";
constexpr const char* kParent = "Parent";

int toInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Reads one bound of a list item; a text without a number leaves the bound as it was.
void readBound(const CString& text, int& bound) {
    bool found = false;
    const long long value = ReadLeadingInteger(text.view(), &found);
    if (found) {
        bound = toInt(value);
    }
}

void readItem(const CString& item, int& low, int& high, bool& bExclude) {
    int pos = item.Find("..");
    if (pos >= 0) {
        readBound(item.Left(pos), low);
        readBound(item.Mid(pos + 2), high);
        return;
    }
    pos = item.Find('-');
    if (pos >= 0) {
        readBound(item.Left(pos), low);
        readBound(item.Mid(pos + 1), high);
        return;
    }
    pos = item.Find('\\');
    if (pos >= 0) {
        bExclude = true;
        readBound(item.Mid(pos + 1), high);
        low = high;
        return;
    }
    readBound(item, low);
    high = low;
}

// Reports a panel configuration entry that is missing; answers the value it then takes.
long reportMissingConfig(int line) {
    Assert("false")
        .print_context(kSource, line)
        .error("Data Key was not found in Validation Files.");
    return 0;
}

// No panel has lists anywhere near this long; the cap keeps a mistyped range such as
// "0..2000000000" from exhausting memory.
constexpr std::size_t kMaxListLength = 65536;

void appendRange(CIntList& list, int low, int high) {
    for (long long n = low; n <= high && list.size() < kMaxListLength; ++n) {
        list.push_back(static_cast<int>(n));
    }
}

// Shared by all managers so that a generation never repeats, even at a reused address.
std::atomic<unsigned long long> g_nextCacheGeneration{1};

unsigned long long nextCacheGeneration() {
    return g_nextCacheGeneration.fetch_add(1, std::memory_order_relaxed);
}

} // namespace

CValidationManager::CValidationManager()
    : m_sPath(CurrentValidationFolder()), m_nCacheGeneration(nextCacheGeneration()) {}

CValidationManager::~CValidationManager() {
    cleanValidationData();
}

CString CValidationManager::GetMapPvmFileVer(int, int) const {
    return {};
}

CString CValidationManager::GetMapPvmFileType(int) const {
    return {};
}

void CValidationManager::LoadTypeVerMap(const CString& name) {
    m_TypeVerMapFile.SetFileName(m_sPath + name);
}

void CValidationManager::SetPath(const CString& path) {
    m_sPath = path;
}

bool CValidationManager::InitPanelVersion(int nType, int nVersion) {
    if (nType == m_nPanelType && nVersion == m_nPanelVersion) {
        return true;
    }
    const bool selected = SetPanelCfgFile(nType, nVersion);
    if (!selected) {
        Assert("false")
            .print_context(kSource, 143)
            .value("nType", nType)
            .value("nVersion", nVersion)
            .warn("Unsupported version. Configuration and validation data missing.");
    }
    m_nPanelType = nType;
    m_nPanelVersion = nVersion;
    cleanValidationData();
    return selected;
}

bool CValidationManager::SetPanelCfgFile(int nType, int nVersion) {
    const CString versionFolder = GetMapPvmFileVer(nVersion, nType);
    const CString modelFolder = GetMapPvmFileType(nType);
    CString fileName;
    if (!m_TypeVerMapFile.GetString(modelFolder, versionFolder, &fileName) || fileName.IsEmpty()) {
        return false;
    }
    m_ValidationFile.SetFileName(CString::Formatted("%s%s", m_sPath.c_str(), fileName.c_str()));
    if (!m_TypeVerMapFile.GetString("VariantConfiguration", versionFolder, &fileName) ||
        fileName.IsEmpty()) {
        return false;
    }
    m_PanelCfgFile.SetFileName(CString::Formatted("%s%s", m_sPath.c_str(), fileName.c_str()));
    return true;
}

bool CValidationManager::GetValue(const CString& section, const CString& key,
                                  CString& value) const {
    return m_ValidationFile.GetString(section, key, &value);
}

bool CValidationManager::SectionExist(const CString& section) const {
    return m_ValidationFile.SectionExist(section);
}

CString CValidationManager::GetDataElement(const CString& dataKey, const CString& element) const {
    CString section = dataKey;
    // Sections already searched; ends chains that loop without coming back to the start.
    std::vector<CString> visited;
    CString value;
    for (;;) {
        if (GetValue(section, element, value)) {
            return value;
        }
        CString parent;
        if (!GetValue(section, kParent, parent)) {
            return {};
        }
        visited.push_back(section);
        parent.Replace("__", ".");
        section = parent;
        const auto seen = [&](const CString& s) { return s.CompareNoCase(section) == 0; };
        if (section == dataKey || std::any_of(visited.begin(), visited.end(), seen)) {
            return {};
        }
    }
}

long CValidationManager::GetNumberElement(const CString& dataKey, const CString& element) const {
    return ParseInt(GetDataElement(dataKey, element));
}

bool CValidationManager::GetDisabled(const CString& dataKey) const {
    return !SectionExist(dataKey) || ParseBool(GetDataElement(dataKey, "Disabled"));
}

bool CValidationManager::GetReadOnly(const CString& dataKey) const {
    return ParseBool(GetDataElement(dataKey, "ReadOnly"));
}

bool CValidationManager::GetCheckImport(const CString& dataKey) const {
    return ParseBool(GetDataElement(dataKey, "CheckImport"));
}

CIntList CValidationManager::GetChoices(const CString& dataKey) const {
    bool bExclude = false;
    const CIntList own = ParseIntList(GetDataElement(dataKey, "Choices"), bExclude);
    if (!bExclude) {
        return own;
    }
    CString parent;
    GetValue(dataKey, kParent, parent);
    bool bParentExclude = false;
    CIntList result = ParseIntList(GetDataElement(parent, "Choices"), bParentExclude);
    for (const int excluded : own) {
        const auto found = std::find(result.begin(), result.end(), excluded);
        if (found != result.end()) {
            result.erase(found);
        }
    }
    return result;
}

int CValidationManager::GetDefaultChoice(const CString& dataKey) const {
    const CString value = GetDataElement(dataKey, "Default");
    if (!value.IsEmpty()) {
        return ParseInt(value);
    }
    const CIntList choices = GetChoices(dataKey);
    return choices.empty() ? 0 : choices.front();
}

int CValidationManager::GetMaxChars(const CString& dataKey) const {
    return static_cast<int>(GetNumberElement(dataKey, "MaxChars"));
}

int CValidationManager::GetMinChars(const CString& dataKey) const {
    return static_cast<int>(GetNumberElement(dataKey, "MinChars"));
}

CString CValidationManager::GetDefaultString(const CString& dataKey) const {
    return GetDataElement(dataKey, "Default");
}

CString CValidationManager::GetAllowedChars(const CString& dataKey) const {
    return GetDataElement(dataKey, "AllowedChars");
}

CString CValidationManager::GetParent(const CString& dataKey) const {
    CString parent;
    GetValue(dataKey, kParent, parent);
    return parent;
}

long CValidationManager::GetMaxNumber(const CString& dataKey) const {
    return GetNumberElement(dataKey, "MaxNumber");
}

long CValidationManager::GetMinNumber(const CString& dataKey) const {
    return GetNumberElement(dataKey, "MinNumber");
}

long CValidationManager::GetDefaultNumber(const CString& dataKey) const {
    return GetNumberElement(dataKey, "Default");
}

long CValidationManager::GetPanelConfigLimit(const CString& dataKey) const {
    CString value;
    if (!m_PanelCfgFile.GetString(dataKey, "Limit", &value)) {
        return reportMissingConfig(509);
    }
    return ParseInt(value);
}

long CValidationManager::GetPanelConfigVal(const CString& dataKey) const {
    CString value;
    if (m_PanelCfgFile.GetString(dataKey, GetMapPvmFileType(m_nPanelType), &value) ||
        m_PanelCfgFile.GetString(dataKey, "Default", &value)) {
        return ParseInt(value);
    }
    return reportMissingConfig(540);
}

int CValidationManager::ParseInt(const CString& text) const {
    return toInt(ReadLeadingInteger(text.view()));
}

unsigned long CValidationManager::ParseUlong(const CString& text) const {
    const long long value = ReadLeadingInteger(text.view());
    // Out of range saturates and a negative number wraps round, as the C library's
    // unsigned conversion does with a 32-bit unsigned long.
    if (value > UINT32_MAX || value < -static_cast<long long>(UINT32_MAX)) {
        return UINT32_MAX;
    }
    return static_cast<std::uint32_t>(value);
}

bool CValidationManager::ParseBool(const CString& text) const {
    CString lower = text;
    return lower.MakeLower() == "true";
}

CIntList CValidationManager::ParseIntList(const CString& text, bool& bExclude) const {
    CIntList result;
    bExclude = false;
    int low = 0;
    int high = 0;
    int start = 0;
    while (start < text.GetLength()) {
        int comma = text.Find(',', start);
        if (comma < 0) {
            comma = text.GetLength();
        }
        CString item = text.Mid(start, comma - start);
        readItem(item.Trim(), low, high, bExclude);
        appendRange(result, low, high);
        start = comma + 1;
    }
    return result;
}

CString CValidationManager::ParseString(const CString& text) const {
    return text;
}

CValidationData* CValidationManager::GetValidationData(const CString& dataKey) const {
    const auto found = m_ValidationCache.find(dataKey);
    return found == m_ValidationCache.end() ? nullptr : found->second;
}

void CValidationManager::SetValidationData(const CString& dataKey, CValidationData& record) {
    CValidationData*& stored = m_ValidationCache[dataKey];
    // Only a replacement can leave an item holding the wrong record; a new key cannot, so
    // filling the cache keeps every record an item found before valid.
    if (stored && stored != &record) {
        m_nCacheGeneration = nextCacheGeneration();
    }
    stored = &record;
    if (!m_OwnedRecords.contains(&record)) {
        m_OwnedRecords.emplace(&record, std::unique_ptr<CValidationData>(&record));
    }
}

void CValidationManager::cleanValidationData() {
    m_ValidationCache.clear();
    m_OwnedRecords.clear();
    m_nCacheGeneration = nextCacheGeneration();
}

} // namespace Vel
