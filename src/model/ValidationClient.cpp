#include <vel/ValidationClient.h>

namespace Vel {

CValidationClient::~CValidationClient() = default;

} // namespace Vel
