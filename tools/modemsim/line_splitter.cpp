#include "line_splitter.h"

namespace tonalink::modemsim {

std::vector<std::string> LineSplitter::feed(std::string_view bytes) {
    std::vector<std::string> lines;
    for (char c : bytes) {
        if (c == '\r' || c == '\n') {
            if (!m_pending.empty())
                lines.push_back(std::move(m_pending));
            m_pending.clear();
            continue;
        }
        m_pending.push_back(c);
        if (m_pending.size() >= m_maxLine) {
            lines.push_back(std::move(m_pending));
            m_pending.clear();
        }
    }
    return lines;
}

} // namespace tonalink::modemsim
