#include "Commands.h"
#include "ToolIO.h"

namespace VmdTool {

int RunQuery(const Args&) {
    return Fail("query is not available yet");
}

} // namespace VmdTool
