#include "audio_track.h"

#include "tone_plan.h"
#include "wav_writer.h"

namespace tonalink::modemsim {

bool AudioTrack::addLine(std::string_view line) {
    const TonePlan plan = tonePlanForLine(line);
    const int ms = planDurationMs(plan);
    if (ms > m_maxMs - m_totalMs)
        return false;
    m_totalMs += ms;
    renderPlan(plan, m_samples);
    return true;
}

} // namespace tonalink::modemsim
