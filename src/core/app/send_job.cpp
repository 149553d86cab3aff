#include "core/app/send_job.h"

#include "core/app/current_send.h"
#include "core/app/settings.h"
#include "core/pagerdata/pager_type.h"

namespace tonalink {

CallSettings makeCallSettings(const Settings& settings, const PagerType& pagerType,
                              const CurrentSend& send) {
    CallSettings call;
    call.line.PhoneType = settings.PhoneType;
    call.line.CKExtension = settings.CKExtension;
    call.line.Extension = settings.Extension;
    call.line.ModemSw = settings.ModemSw;
    call.line.KeitaiSw = settings.KeitaiSw;
    call.ExtCommand = settings.ExtCommand;
    call.DefaultOffTime = settings.DefaultOffTime;
    call.ReDialTime = settings.ReDialTime;
    call.MsgSendC = settings.MsgSendC;
    call.WaitTime = pagerType.WaitTime;
    call.CutTime = pagerType.CutTime;
    call.MsgCancelCmd = pagerType.MsgCancelCmd;
    call.MsgJoinSw = pagerType.MsgJoinSw;
    call.PbOrPhsSw = pagerType.PbOrPhsSw;
    call.CallNumber = send.CallNumber;
    call.CentreNumber = send.CentreNumber;
    call.MessageText = send.MessageText;
    return call;
}

} // namespace tonalink
