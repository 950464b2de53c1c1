// The integer choice is compiled once here, so that hosts use the library's copy.
#include <vel/DataChoice.h>

namespace Vel {

template class CDataChoice<int>;

} // namespace Vel
