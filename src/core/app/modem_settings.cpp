#include "core/app/modem_settings.h"

#include "core/app/program_state.h"

namespace tonalink {

ModemValues modemValues(const ProgramState& state) {
    const Settings& s = state.settings;
    const PagerTypeCatalog& types = state.pagerTypes;
    return {s.ExtCommand,
            s.PhoneType,
            s.CKExtension,
            s.Extension,
            s.ModemSw,
            s.ReDialTime,
            s.CommPort,
            s.KeitaiSw,
            types.PagerTypeName,
            types.PagerType.WaitTime,
            types.PagerType.CutTime};
}

int applyModemValues(ProgramState& state, const ModemValues& values,
                     const std::function<void()>& reopenPort) {
    Settings& s = state.settings;
    s.PhoneType = values.PhoneType;
    s.ExtCommand = values.ExtCommand;
    if (values.CommPort != s.CommPort) {
        s.CommPort = values.CommPort;
        reopenPort();
    }
    s.CKExtension = values.CKExtension;
    s.Extension = values.Extension;
    s.ModemSw = values.ModemSw;
    s.ReDialTime = values.ReDialTime;
    s.KeitaiSw = values.KeitaiSw;
    PagerTypeCatalog& types = state.pagerTypes;
    types.PagerType.WaitTime = values.WaitTime;
    types.PagerType.CutTime = values.CutTime;
    return types.WriteWaitAndCutTime();
}

} // namespace tonalink
