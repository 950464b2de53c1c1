#include "CollectionTable.h"

#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>

namespace Vel {

CString CollectionTableSql(const CString& tableText, const CDataContainerBase* element) {
    const auto* collection =
        element ? dynamic_cast<const CDataCollectionBase*>(element->GetParent()) : nullptr;
    return "[" + tableText + (collection ? collection->GetCollectionTableName() : CString()) + "]";
}

} // namespace Vel
