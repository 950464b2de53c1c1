// The two set instances are compiled once here, so that hosts use the library's copies.
#include <vel/DataSet.h>

namespace Vel {

template class CDataSet<int>;
template class CDataSet<CDataValidationClient*>;

} // namespace Vel
