// CValidationManager: answers every per-key validation question (flags, limits, defaults,
// choice lists, parent key) for one panel type and validation version, from the validation
// data file chosen for them, plus panel configuration values. Owns the cache of validation
// records shared by every item with the same data key. The families (CValidationManagerV6,
// CValidationManagerTarvo) supply the file naming through the two protected hooks.
#pragma once

#include <vel/CriticalSection.h>
#include <vel/Export.h>
#include <vel/PVMDataFile.h>
#include <vel/String.h>
#include <vel/ValidationData.h>

#include <memory>
#include <unordered_map>
#include <vector>

namespace Vel {

class VEL_API CValidationManager {
public:
    CValidationManager();
    CValidationManager(const CValidationManager&) = delete;
    CValidationManager& operator=(const CValidationManager&) = delete;
    virtual ~CValidationManager();

    // Selects and loads the files for a type and version and empties the record cache;
    // false (with a warning) when the type and version have no files.
    bool InitPanelVersion(int nType, int nVersion);
    int GetPanelType() const { return m_nPanelType; }
    int GetPanelVersion() const { return m_nPanelVersion; }
    // The validation folder (with its trailing '/'), taken from
    // CValidationManagerList::GetValidationFolder when the manager is made. SetPath replaces
    // it for the next selection only; the type and version map stays as it was loaded.
    void SetPath(const CString& path);
    const CString& GetPath() const { return m_sPath; }
    // The full names of the files the last selection loaded (with ".vmd"); empty before one.
    const CString& GetValidationFileName() const { return m_ValidationFile.GetFileName(); }
    const CString& GetPanelConfigFileName() const { return m_PanelCfgFile.GetFileName(); }

    // Stored for hosts only.
    int GetActualPanelLanguage() const { return m_nActualPanelLanguage; }
    void SetActualPanelLanguage(int language) { m_nActualPanelLanguage = language; }
    int GetDatabaseVersion() const { return m_nDatabaseVersion; }
    void SetDatabaseVersion(int version) { m_nDatabaseVersion = version; }
    int GetProtocolVersion() const { return m_nProtocolVersion; }
    void SetProtocolVersion(int version) { m_nProtocolVersion = version; }

    // Callers sharing a manager across threads hold this around their calls; the manager
    // never locks it itself.
    CCriticalSection& GetCriticalSection() { return m_CriticalSection; }

    // Per data key, from the validation data file, following "Parent" sections.
    bool GetDisabled(const CString& dataKey) const;
    bool GetReadOnly(const CString& dataKey) const;
    bool GetCheckImport(const CString& dataKey) const;
    CIntList GetChoices(const CString& dataKey) const;
    int GetDefaultChoice(const CString& dataKey) const;
    int GetMaxChars(const CString& dataKey) const;
    int GetMinChars(const CString& dataKey) const;
    CString GetDefaultString(const CString& dataKey) const;
    CString GetAllowedChars(const CString& dataKey) const;
    // The key's own "Parent" entry, as written.
    CString GetParent(const CString& dataKey) const;
    long GetMaxNumber(const CString& dataKey) const;
    long GetMinNumber(const CString& dataKey) const;
    long GetDefaultNumber(const CString& dataKey) const;

    // From the panel configuration file; no inheritance. Missing entries are reported.
    long GetPanelConfigLimit(const CString& dataKey) const;
    long GetPanelConfigVal(const CString& dataKey) const;

    // Text conversions of validation values.
    int ParseInt(const CString& text) const;
    unsigned long ParseUlong(const CString& text) const;
    bool ParseBool(const CString& text) const;
    // The list syntax of "Choices": items "n", "a..b", "a-b", "\n" separated by ",".
    CIntList ParseIntList(const CString& text, bool& bExclude) const;
    CString ParseString(const CString& text) const;

    // The cached record of a data key, or null.
    CValidationData* GetValidationData(const CString& dataKey) const;
    // Stores an individually allocated record under `dataKey`; the cache owns and later
    // destroys it. A record already stored under the key is replaced without being destroyed.
    void SetValidationData(const CString& dataKey, CValidationData& record);
    // Changes whenever a cached record is replaced or may have been destroyed; unique across
    // managers, so an item may keep a record pointer while the generation still matches.
    unsigned long long GetCacheGeneration() const { return m_nCacheGeneration; }

protected:
    // Version folder of a validation version and model folder of a panel type; empty when
    // there is none. The base class knows neither, so it never finds files.
    virtual CString GetMapPvmFileVer(int nVersion, int nType) const;
    virtual CString GetMapPvmFileType(int nType) const;
    // Loads the type and version map file `name` (without extension) from the validation
    // folder; the family constructors call this.
    void LoadTypeVerMap(const CString& name);

private:
    bool GetValue(const CString& section, const CString& key, CString& value) const;
    bool SectionExist(const CString& section) const;
    CString GetDataElement(const CString& dataKey, const CString& element) const;
    long GetNumberElement(const CString& dataKey, const CString& element) const;
    bool SetPanelCfgFile(int nType, int nVersion);
    void cleanValidationData();

    CPVMDataFile m_PanelCfgFile;
    CPVMDataFile m_TypeVerMapFile;
    CPVMDataFile m_ValidationFile;
    CString m_sPath;
    int m_nPanelType = -1;
    int m_nPanelVersion = -1;
    int m_nActualPanelLanguage = 1;
    int m_nDatabaseVersion = -1;
    int m_nProtocolVersion = -1;
    std::unordered_map<CString, CValidationData*> m_ValidationCache;
    // Every record handed to the cache, each owned once even when stored under several keys;
    // replaced records stay alive until the cache is emptied, since items may still hold them.
    std::unordered_map<const CValidationData*, std::unique_ptr<CValidationData>> m_OwnedRecords;
    CCriticalSection m_CriticalSection;
    unsigned long long m_nCacheGeneration;
};

} // namespace Vel
