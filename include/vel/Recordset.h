// CRecordset: a query over one table or one statement text. Builds its SELECT from the table
// (GetDefaultSQL), the output columns in binding order, the filter with its parameters in
// binding order and the sort; reads forward, one row at a time; adds, edits and deletes the
// current row. The statements are prepared once and reused across requeries and updates.
#pragma once

#include <vel/Export.h>
#include <vel/FieldExchange.h>
#include <vel/String.h>

#include <memory>

namespace Vel {

class CDatabase;

class VEL_API CRecordset {
public:
    enum OpenType { dynaset = 0, snapshot = 1, forwardOnly = 2 };
    enum Options { none = 0, executeDirect = 0x2000 };

    explicit CRecordset(CDatabase* pDatabase = nullptr);
    CRecordset(const CRecordset&) = delete;
    CRecordset& operator=(const CRecordset&) = delete;
    virtual ~CRecordset();

    // False without an open database; driver failures throw CDbException. A forward-only
    // recordset is read-only.
    virtual bool Open(unsigned openType = snapshot, const char* sql = nullptr,
                      unsigned options = none);
    virtual void Close();
    virtual void Move(long rows);
    virtual void MoveNext();
    virtual void AddNew();
    virtual void Edit();
    // Edits the row of an identity that GetRowId gave for this table, instead of the current
    // row; for a recordset opened for update on a backend whose rows carry an identity.
    void EditRow(const CString& rowId);
    virtual bool Update();
    virtual void Delete();
    virtual bool Requery();

    bool IsOpen() const;
    bool IsEOF() const;
    bool IsBOF() const;
    bool CanRestart() const;
    bool CanUpdate() const;
    // The identity of the current row of a recordset opened for update; empty when the
    // backend's rows carry none or there is no current row.
    CString GetRowId() const;

    // The SELECT as built, with bracketed names, before any rewrite for the server.
    CString GetSQL();
    // The names of the bound filter parameters and output columns, in binding order.
    std::vector<CString> GetParamNames();
    std::vector<CString> GetColumnNames();

    virtual CString GetDefaultSQL();
    virtual CString GetDefaultConnect();
    virtual void DoFieldExchange(CFieldExchange* pFX);

    CString m_strFilter;
    CString m_strSort;
    unsigned m_nFields = 0;
    unsigned m_nParams = 0;

protected:
    CDatabase* m_pDatabase;

private:
    std::vector<CString> boundNames(int type);

    struct Impl;
    std::unique_ptr<Impl> m_pImpl;
};

} // namespace Vel
