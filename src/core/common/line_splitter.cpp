#include "core/common/line_splitter.h"

namespace tonalink {

void LineSplitter::feed(std::string_view bytes, const LineHandler& onLine) {
    for (char c : bytes) {
        if (c == '\r' || c == '\n') {
            if (!m_pending.empty() && !m_dropping)
                onLine(m_pending);
            m_pending.clear();
            m_dropping = false;
            continue;
        }
        if (m_dropping)
            continue;
        m_pending.push_back(c);
        if (m_pending.size() >= m_maxLine) {
            onLine(m_pending);
            m_pending.clear();
            m_dropping = true;
        }
    }
}

} // namespace tonalink
