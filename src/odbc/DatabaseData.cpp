#include <vel/DatabaseData.h>

namespace Vel {

// Holds nothing of its own; the exchange scope is kept so hosts' recordsets keep their shape.
CDatabaseData::CDatabaseData() = default;
CDatabaseData::~CDatabaseData() = default;

} // namespace Vel
