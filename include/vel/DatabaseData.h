// CDatabaseData: a scope object that lives for the duration of one field exchange.
#pragma once

#include <vel/Export.h>

namespace Vel {

class VEL_API CDatabaseData {
public:
    CDatabaseData();
    CDatabaseData(const CDatabaseData&) = delete;
    CDatabaseData& operator=(const CDatabaseData&) = delete;
    ~CDatabaseData();
};

} // namespace Vel
