// CHtmlParse: the HTML report template engine. Fills a template whose commands stand in HTML
// comments (fields, conditions, an outer loop over records and an inner loop over the elements
// of a collection, container or set) with the items a CRptDataSource hands it, and writes the
// report to a file. A host sets the inputs (template, report file, data source, fixed values),
// then calls Init and Start; a derived class may prepare the data of an inner loop itself.
#pragma once

#include <vel/DataValidationClient.h>
#include <vel/Export.h>
#include <vel/RptDataSource.h>
#include <vel/String.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Vel {

class CDataNumber;
class CDataString;

namespace ReportFill {
class CWorkText;
} // namespace ReportFill

class VEL_API CHtmlParse {
public:
    CHtmlParse();
    CHtmlParse(const CHtmlParse&) = delete;
    CHtmlParse& operator=(const CHtmlParse&) = delete;
    virtual ~CHtmlParse();

    // Dynamic creation by class name, as hosts create their report classes.
    static CHtmlParse* CreateObject();
    static const char* GetRuntimeClassName() { return "CHtmlParse"; }

    // Reads the template file; 0 when it cannot be read.
    virtual int Init();
    // Produces the report and writes it when a report file is set; 0 on failure.
    virtual int Start();
    virtual CString GetReport();
    // The outer loop runs once, for this record.
    virtual void SetStartItem(int record);
    // The inner loop walks `items`; the current record becomes the first one's children.
    virtual void SetDataForLoop2(std::vector<CDataValidationClient*>& items);

    // Inputs.
    CString m_strTemplateFile;
    CString m_strReportFile;
    CRptDataSource* m_pDataSource = nullptr;
    // Fixed values by field text: the last resort of fields and conditions.
    std::unordered_map<CString, CString> m_mapValues;

protected:
    int FillReport(CString& report);
    int SaveReport(const CString& report);
    // Resolves a field among `items` (the current record when null); false leaves it to be
    // copied unchanged.
    bool FindData(const CString& field, CString& value,
                  const std::vector<CDataValidationClient*>* items = nullptr);
    bool CheckIF(const CString& test);

    CString m_strReport;
    const CString m_strSubSeparator = ";";
    CString m_strTemplate;
    const CString m_strCommandStart = "<!--";
    const CString m_strCommandEnd = "-->";
    const CString m_strIf = "!IF";
    const CString m_strEndIf = "!ENDIF";
    const CString m_strLoop1Go = "!Loop1GO";
    const CString m_strLoop1Stop = "!Loop1STOP";
    const CString m_strLoop2Go = "!Loop2GO";
    const CString m_strLoop2Stop = "!Loop2STOP";
    const CString m_strFormatSeparator = "&";
    int m_bRepeatedRecord = 0;
    int m_bSingleRecord = 0;
    int m_nRecord = 0;
    int m_nLoop2Item = 0;
    CDataString* m_pTriggerLabel = nullptr;
    CDataNumber* m_pTriggerValue = nullptr;
    std::vector<CDataValidationClient*> m_vecData;
    std::vector<CDataValidationClient*> m_vecLoop2;

private:
    bool findData(std::string_view field, CString& value,
                  const std::vector<CDataValidationClient*>& items, int depth);
    bool resolveItem(CDataValidationClient& item, std::string_view field, std::string_view key,
                     std::string_view parameter, CString& value, int depth);
    bool elementNumber(long long& number) const;
    bool prepareLoop2(const std::vector<CDataValidationClient*>& list);
    bool findSpecial(std::string_view field, CString& value);
    bool loopStart(ReportFill::CWorkText& work, int number, const CString& argument,
                   std::size_t commandEnd, int& openLevel);
    void loopEnd(ReportFill::CWorkText& work, const CString& argument, std::size_t commandEnd,
                 int& openLevel);
    void appendField(std::string& out, ReportFill::CWorkText& work, std::string_view field,
                     std::size_t commandEnd);
    void condition(ReportFill::CWorkText& work, std::string_view command, std::size_t commandEnd);
};

} // namespace Vel
