// The table of a collection element's rows: the table text (the panel family prefix) followed
// by the element's collection table name, bracketed.
#pragma once

#include <vel/String.h>

namespace Vel {

class CDataContainerBase;

CString CollectionTableSql(const CString& tableText, const CDataContainerBase* element);

} // namespace Vel
