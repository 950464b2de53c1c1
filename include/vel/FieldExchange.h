// CFieldExchange: what a recordset's DoFieldExchange binds, in order: its output columns and
// its filter parameters, each tied to a member. RFX_LongEx binds a signed 32-bit integer,
// RFX_Text a text of limited length.
#pragma once

#include <vel/Export.h>
#include <vel/String.h>

#include <vector>

namespace Vel {

class VEL_API CFieldExchange {
public:
    enum FieldType { outputColumn, param };

    struct Field {
        FieldType type;
        CString name;
        long* pLong;    // for integers
        CString* pText; // for texts
        int maxLength;  // characters of a text
    };

    void SetFieldType(FieldType type) { m_nFieldType = type; }
    void Add(const char* name, long* pLong, CString* pText, int maxLength);
    const std::vector<Field>& GetFields() const { return m_fields; }

private:
    FieldType m_nFieldType = outputColumn;
    std::vector<Field> m_fields;
};

// Values outside the signed 32-bit range are refused when written, naming the column.
VEL_API void RFX_LongEx(CFieldExchange* pFX, const char* name, long& value);
// SQL_VARCHAR is column type 12; the text is read and written up to maxLength characters.
VEL_API void RFX_Text(CFieldExchange* pFX, const char* name, CString& value, int maxLength = 255,
                      int columnType = 12, short scale = 0);

} // namespace Vel
