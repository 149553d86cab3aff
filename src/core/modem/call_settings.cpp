#include "core/modem/call_settings.h"

namespace tonalink {

const std::string& dialledNumber(int32_t PbOrPhsSw, const std::string& CallNumber,
                                 const std::string& CentreNumber) {
    return PbOrPhsSw != 0 ? CentreNumber : CallNumber;
}

} // namespace tonalink
