// CFileLangText: a language text provider read from UTF-8 files of `KEY=text` lines.
// Both text operations answer from the same table. Blank lines and lines starting with '#'
// are skipped; keys are exact (case-sensitive); a later line for the same key wins.
#pragma once

#include <vel/Export.h>
#include <vel/LangTextBase.h>

#include <memory>
#include <string>

namespace Vel {

class VEL_API CFileLangText : public CLangTextBase {
public:
    CFileLangText();
    ~CFileLangText() override;

    // Adds the texts of one file to the table. On failure returns false, leaves the table as
    // it was and describes the problem in `error` (when given).
    bool Load(const CString& fileName, std::string* error = nullptr);
    // Adds `KEY=text` lines from memory; answers the number of texts read.
    int LoadText(const std::string& text);

    int GetCount() const;
    CString GetText(const CString& key) const override;
    CString GetTranslation(const CString& key) const override;

private:
    struct Table;
    std::unique_ptr<Table> m_pTable;
};

} // namespace Vel
