#pragma once

#include "core/queue/recipient_state.h"
#include "core/queue/retry_policy.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace tonalink {

// The queue file's name beside bell.log when none is given.
std::string defaultQueuePath(const std::string& dir);

struct NewRecipient {
    std::string name; // phone-book entry name, CP932
    bool groupMember = false;
};

struct NewPage {
    std::string text; // CP932
    int64_t holdUntil = 0;
    std::string submitter; // LOGI
    std::string subject;   // SUBJ
    std::string callerId;  // CALL
    std::vector<NewRecipient> recipients;
};

// One recipient whose try is due, with what its call needs.
struct DueRecipient {
    int64_t pageId = 0;
    int32_t seq = 0; // position among the page's recipients
    std::string name;
    bool groupMember = false;
    int32_t tries = 0;
    int32_t partsSent = 0; // parts recorded in bell.log, in sending order
    std::string text;
};

struct RecipientRow {
    int64_t pageId = 0;
    int32_t seq = 0;
    std::string name;
    RecipientState state = RecipientState::Queued;
    int32_t tries = 0;
    int64_t nextTry = 0;
    std::string lastFailure;
};

// The durable paging queue in one SQLite file (WAL, every change committed and
// synced before the call returns). The daemon and the tool may open it at once.
class PageStore {
public:
    // Nothing, with *error set, when the file cannot be opened (or, with
    // `create` false, does not exist).
    static std::unique_ptr<PageStore> open(const std::string& path, bool create,
                                           std::string* error);
    ~PageStore();
    PageStore(const PageStore&) = delete;
    PageStore& operator=(const PageStore&) = delete;

    // The new page's job id; every recipient starts queued for its hold time.
    std::optional<int64_t> addPage(const NewPage& page, int64_t now, std::string* error);
    // The queued recipient due first at `now`: earliest next try, then page, then order.
    std::optional<DueRecipient> nextDue(int64_t now);
    // The earliest next try of a queued recipient.
    std::optional<int64_t> nextWake();
    bool beginTry(int64_t pageId, int32_t seq);
    bool partSent(int64_t pageId, int32_t seq);
    // Ends the try of a recipient still in call (one cancelled meanwhile stays so).
    bool endTry(int64_t pageId, int32_t seq, const TryOutcome& outcome);
    // At start-up: calls a crash cut short are queued again; how many.
    int requeueInterrupted();
    std::optional<RecipientState> state(int64_t pageId, int32_t seq);
    std::vector<RecipientRow> list();
    // Recipients changed; nothing when there is no such job.
    std::optional<int> cancel(int64_t pageId);
    std::optional<int> retry(int64_t pageId, int64_t now);

    const std::string& lastError() const { return m_lastError; }

private:
    explicit PageStore(sqlite3* db) : m_db(db) {}
    bool exec(const char* sql);
    std::optional<int> changeRecipients(int64_t pageId, const char* sql, int64_t now);

    sqlite3* m_db;
    std::string m_lastError;
};

} // namespace tonalink
