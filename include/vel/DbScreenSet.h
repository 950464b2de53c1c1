// CDbScreenSet: the recordset that moves one container (a screen or one collection element)
// between the tree and one row of its table. Its columns come from the container's items:
// integers first ([AM_Site_ID], then each number, choice, set and the five columns of each
// address), then the texts, all in child order.
#pragma once

#include <vel/CommonDbSet.h>
#include <vel/Export.h>
#include <vel/String.h>

#include <functional>
#include <typeinfo>
#include <vector>

namespace Vel {

class CData;
class CDataValidationClient;
class CDataContainerBase;
class CDatabase;

class VEL_API CDbScreenSet : public CCommonDbSet {
public:
    explicit CDbScreenSet(CDatabase* pDatabase = nullptr);
    ~CDbScreenSet() override;

    // Binds a container; the column lists are built from the first container only, so the
    // elements of one collection share them.
    void InitByScreen(CDataContainerBase* pScreen, CString table, bool checkColumns);
    // Reads the site's row into the bound container; without a row sets notInDb and, unless
    // keepValues, resets the container to its defaults.
    bool OpenAndFillVel(long siteId, bool& notInDb, bool keepValues, bool unused = false);
    // Writes the bound container into the site's row, inserting it when there is none.
    bool UpdateOrInsertVel(long siteId);

    CString GetDefaultSQL() override;
    CString GetDefaultConnect() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

    virtual void InitFilter();
    virtual void Vel2Fields();
    virtual void Fields2Vel(CDataContainerBase* pScreen);

    long m_lSiteId = 0;
    long m_lSiteIdParam = 0;

protected:
    // The site parameter, the site column and the item columns, in that order.
    void ExchangeScreenFields(CFieldExchange* pFX);
    // The output columns of a nested collection's row: the element, the parent element, then
    // those of ExchangeScreenFields; the caller's parameters follow.
    void ExchangeNestedFields(CFieldExchange* pFX, long& collectionId, const CString& parentColumn,
                              long& parentId);
    void InitColumns();
    bool CheckExistColumn(CData* pItem);
    // Opens forward only, or requeries an open recordset; false when that cannot be done.
    bool OpenOrRequery(unsigned openType, bool requireRequery);
    // Writes the bound container into the row that `placeRow` made current (by AddNew or
    // Edit); database errors name the item of the refused column.
    bool WriteRow(const std::function<bool()>& placeRow);

    bool m_bColumnsReady = false;
    CDataContainerBase* m_pScreen = nullptr;
    std::vector<int> m_lstNumberIndex;
    std::vector<CString> m_lstNumberNames;
    std::vector<long> m_lstNumberValues;
    std::vector<int> m_lstTextIndex;
    std::vector<CString> m_lstTextNames;
    std::vector<CString> m_lstTextValues;
    CString m_strTableText;
    bool m_bCheckColumns = false;

private:
    // The item a bracketed column belongs to, for error texts.
    CString describeColumn(const CString& column) const;
    // The item of a column as a T, or null; the item class that last passed the check at the
    // column is remembered, so the elements of a collection are cast cheaply.
    template <class T> T* itemAs(CDataValidationClient* child, std::size_t column);

    // Per column (integers, then texts): an item class known to be a `wanted` one.
    struct SKnownType {
        const std::type_info* item = nullptr;
        const std::type_info* wanted = nullptr;
    };
    std::vector<SKnownType> m_vecKnownTypes;
};

} // namespace Vel
