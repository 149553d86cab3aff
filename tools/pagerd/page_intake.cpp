#include "page_intake.h"

#include "core/app/broadcast_groups.h"
#include "core/app/callee_rules.h"
#include "core/common/cp932.h"
#include "core/snpp/client_text.h"

#include <algorithm>

namespace tonalink::pagerd {
namespace {

constexpr std::string_view kGroupPrefix = "group:";

std::optional<int32_t> groupNumber(std::string_view id) {
    if (id.size() != kGroupPrefix.size() + 1 ||
        !cp932::equalIgnoringAsciiCase(id.substr(0, kGroupPrefix.size()), kGroupPrefix))
        return std::nullopt;
    const char digit = id.back();
    if (digit < '1' || digit > '0' + kBroadcastGroups)
        return std::nullopt;
    return digit - '0';
}

} // namespace

PageIntake::PageIntake(const std::string& dir, const Settings& settings, PageStore& store,
                       Clock clock, std::function<void(int64_t)> queued)
    : m_state(dir, dir), m_store(store), m_clock(std::move(clock)), m_queued(std::move(queued)) {
    m_state.settings = settings;
}

std::vector<NewRecipient> PageIntake::recipientsOf(std::string_view pagerId) {
    PhoneBook& book = m_state.phoneBook;
    const std::optional<std::string> id = snpp::clientTextToCp932(pagerId);
    // The phone book is read anew for every id: it may be edited while we run.
    if (!id || book.ListPhoneBook() != 0)
        return {};
    std::vector<NewRecipient> recipients;
    if (const auto group = groupNumber(*id)) {
        for (std::string& name : groupMembers(book, *group))
            recipients.push_back({std::move(name), true});
        return recipients;
    }
    auto it =
        std::find_if(book.PhoneBookNames.begin(), book.PhoneBookNames.end(),
                     [&](const std::string& n) { return cp932::equalIgnoringAsciiCase(n, *id); });
    if (it != book.PhoneBookNames.end())
        recipients.push_back({*it, false});
    return recipients;
}

bool PageIntake::knowsPager(std::string_view pagerId) {
    return !recipientsOf(pagerId).empty();
}

std::optional<std::string> PageIntake::encodingRefusal(const std::string& name,
                                                       const std::string& text) {
    const std::string shown = cp932::toUtf8Lossy(name);
    if (m_state.pagerTypes.ListPagerTypes(false) != 0)
        return "call.dat cannot be read";
    const AppliedCallee applied = ApplyPhoneBookEntry(m_state, name);
    if (!applied.pagerTypeName)
        return "message cannot be encoded for " + shown + ": call.dat has no pager type " +
               cp932::toUtf8Lossy(applied.entry.PbType);
    m_state.currentSend.MessageText = text;
    m_state.currentSend.MessageMode = 0;
    if (m_state.encoder.BuildSendCommands(encoderInput(m_state)) != 0)
        return "message cannot be encoded for " + shown + " (pager type " +
               cp932::toUtf8Lossy(*applied.pagerTypeName) + ")";
    return std::nullopt;
}

std::variant<int64_t, std::string> PageIntake::submit(const snpp::Page& page) {
    NewPage stored;
    const std::optional<std::string> text = snpp::clientTextToCp932(page.message);
    if (!text)
        return std::string("message cannot be written in code page 932");
    stored.text = *text;
    for (const std::string& id : page.pagerIds) {
        std::vector<NewRecipient> named = recipientsOf(id);
        if (named.empty())
            return "pager id " + id + " is no longer in the phone book";
        for (NewRecipient& recipient : named) {
            // Someone named twice (by name and by group) is paged once.
            const bool known =
                std::any_of(stored.recipients.begin(), stored.recipients.end(),
                            [&](const NewRecipient& r) { return r.name == recipient.name; });
            if (!known)
                stored.recipients.push_back(std::move(recipient));
        }
        if (stored.recipients.size() > kMaxRecipients)
            return "more than " + std::to_string(kMaxRecipients) + " recipients";
    }
    for (const NewRecipient& recipient : stored.recipients) {
        if (auto refusal = encodingRefusal(recipient.name, stored.text))
            return *refusal;
    }
    const int64_t now = m_clock();
    stored.holdUntil = page.holdUntil.value_or(now);
    for (auto [field, value] : {std::pair{&stored.submitter, &page.login},
                                {&stored.subject, &page.subject},
                                {&stored.callerId, &page.callerId}})
        *field = snpp::clientTextToCp932(*value).value_or(*value);
    std::string error;
    const std::optional<int64_t> job = m_store.addPage(stored, now, &error);
    if (!job)
        return "page not stored: " + error;
    if (m_queued)
        m_queued(*job);
    return *job;
}

} // namespace tonalink::pagerd
