#pragma once

#include "core/app/program_state.h"
#include "core/snpp/snpp_session.h"
#include "platform/page_store.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tonalink::pagerd {

// Upper bound on the recipients of one page, after groups are expanded.
inline constexpr std::size_t kMaxRecipients = 256;

// Takes pages from SNPP conversations into the queue: resolves pager ids against
// the phone book (an entry name, compared as the phone book compares names, or
// "group:N"), refuses a message a recipient's pager type cannot carry, and
// stores the page.
class PageIntake final : public snpp::Gateway {
public:
    using Clock = std::function<int64_t()>;

    // `queued` is told after each stored page.
    PageIntake(const std::string& dir, const Settings& settings, PageStore& store, Clock clock,
               std::function<void(int64_t jobId)> queued);

    bool knowsPager(std::string_view pagerId) override;
    std::variant<int64_t, std::string> submit(const snpp::Page& page) override;

private:
    // The entries an id names, in file order; empty when none.
    std::vector<NewRecipient> recipientsOf(std::string_view pagerId);
    // Why the message cannot go to `name`, or nothing when it can.
    std::optional<std::string> encodingRefusal(const std::string& name, const std::string& text);

    ProgramState m_state; // for resolving and encoding only; never sends
    PageStore& m_store;
    Clock m_clock;
    std::function<void(int64_t)> m_queued;
};

} // namespace tonalink::pagerd
