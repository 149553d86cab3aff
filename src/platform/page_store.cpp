#include "platform/page_store.h"

#include <filesystem>
#include <sqlite3.h>

namespace tonalink {
namespace {

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS pages(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    created INTEGER NOT NULL,
    hold_until INTEGER NOT NULL,
    text BLOB NOT NULL,
    submitter BLOB NOT NULL,
    subject BLOB NOT NULL,
    caller_id BLOB NOT NULL);
CREATE TABLE IF NOT EXISTS recipients(
    page_id INTEGER NOT NULL REFERENCES pages(id) ON DELETE CASCADE,
    seq INTEGER NOT NULL,
    name BLOB NOT NULL,
    group_member INTEGER NOT NULL,
    state TEXT NOT NULL,
    tries INTEGER NOT NULL DEFAULT 0,
    next_try INTEGER NOT NULL,
    parts_sent INTEGER NOT NULL DEFAULT 0,
    last_failure TEXT NOT NULL DEFAULT '',
    PRIMARY KEY(page_id, seq));
CREATE INDEX IF NOT EXISTS recipients_due ON recipients(state, next_try);
)sql";

// One prepared statement, finalised at scope end.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) : m_db(db) {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            m_stmt = nullptr;
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    template <typename... Values> Statement& bind(const Values&... values) {
        int index = 0;
        (bindOne(++index, values), ...);
        return *this;
    }
    // SQLITE_ROW, SQLITE_DONE or an error.
    int step() { return m_stmt ? sqlite3_step(m_stmt) : SQLITE_ERROR; }
    bool done() { return step() == SQLITE_DONE; }
    int64_t integer(int column) { return sqlite3_column_int64(m_stmt, column); }
    std::string text(int column) {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_stmt, column));
        return bytes ? std::string(bytes, std::size_t(sqlite3_column_bytes(m_stmt, column))) : "";
    }
    bool isNull(int column) { return sqlite3_column_type(m_stmt, column) == SQLITE_NULL; }
    int changes() const { return sqlite3_changes(m_db); }

private:
    void bindOne(int index, int64_t value) { sqlite3_bind_int64(m_stmt, index, value); }
    void bindOne(int index, int32_t value) { sqlite3_bind_int64(m_stmt, index, value); }
    void bindOne(int index, const std::string& value) {
        sqlite3_bind_blob(m_stmt, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT);
    }
    void bindOne(int index, std::string_view value) {
        sqlite3_bind_text(m_stmt, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT);
    }

    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

constexpr std::string_view kQueued = "queued";
constexpr std::string_view kInCall = "in call";

} // namespace

std::string defaultQueuePath(const std::string& dir) {
    return (std::filesystem::path(dir) / "pages.sqlite").string();
}

std::unique_ptr<PageStore> PageStore::open(const std::string& path, bool create,
                                           std::string* error) {
    sqlite3* db = nullptr;
    const int flags =
        SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0) | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        *error = path + ": " + (db ? sqlite3_errmsg(db) : "cannot open");
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<PageStore> store(new PageStore(db));
    // The other process may hold the write lock for one commit at a time.
    sqlite3_busy_timeout(db, 5000);
    if (!store->exec("PRAGMA journal_mode=WAL") || !store->exec("PRAGMA synchronous=FULL") ||
        !store->exec("PRAGMA foreign_keys=ON") || !store->exec(kSchema)) {
        *error = path + ": " + store->m_lastError;
        return nullptr;
    }
    return store;
}

PageStore::~PageStore() {
    sqlite3_close(m_db);
}

bool PageStore::exec(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    m_lastError = message ? message : sqlite3_errmsg(m_db);
    sqlite3_free(message);
    return false;
}

std::optional<int64_t> PageStore::addPage(const NewPage& page, int64_t now, std::string* error) {
    if (!exec("BEGIN IMMEDIATE")) {
        *error = m_lastError;
        return std::nullopt;
    }
    Statement insertPage(m_db, "INSERT INTO pages(created, hold_until, text, submitter, subject, "
                               "caller_id) VALUES(?, ?, ?, ?, ?, ?)");
    bool ok =
        insertPage.bind(now, page.holdUntil, page.text, page.submitter, page.subject, page.callerId)
            .done();
    const int64_t id = sqlite3_last_insert_rowid(m_db);
    int32_t seq = 0;
    for (const NewRecipient& recipient : page.recipients) {
        Statement insert(m_db, "INSERT INTO recipients(page_id, seq, name, group_member, state, "
                               "next_try) VALUES(?, ?, ?, ?, ?, ?)");
        ok = ok && insert
                       .bind(id, seq++, recipient.name, int64_t(recipient.groupMember), kQueued,
                             std::max(now, page.holdUntil))
                       .done();
    }
    if (ok && exec("COMMIT"))
        return id;
    *error = sqlite3_errmsg(m_db);
    exec("ROLLBACK");
    return std::nullopt;
}

std::optional<DueRecipient> PageStore::nextDue(int64_t now) {
    Statement due(m_db, "SELECT r.page_id, r.seq, r.name, r.group_member, r.tries, r.parts_sent, "
                        "p.text FROM recipients r JOIN pages p ON p.id = r.page_id "
                        "WHERE r.state = ? AND r.next_try <= ? "
                        "ORDER BY r.next_try, r.page_id, r.seq LIMIT 1");
    if (due.bind(kQueued, now).step() != SQLITE_ROW)
        return std::nullopt;
    return DueRecipient{due.integer(0),
                        static_cast<int32_t>(due.integer(1)),
                        due.text(2),
                        due.integer(3) != 0,
                        static_cast<int32_t>(due.integer(4)),
                        static_cast<int32_t>(due.integer(5)),
                        due.text(6)};
}

std::optional<int64_t> PageStore::nextWake() {
    Statement wake(m_db, "SELECT MIN(next_try) FROM recipients WHERE state = ?");
    if (wake.bind(kQueued).step() != SQLITE_ROW || wake.isNull(0))
        return std::nullopt;
    return wake.integer(0);
}

bool PageStore::beginTry(int64_t pageId, int32_t seq) {
    Statement begin(m_db, "UPDATE recipients SET state = ? WHERE page_id = ? AND seq = ? AND "
                          "state = ?");
    return begin.bind(kInCall, pageId, seq, kQueued).done() && begin.changes() == 1;
}

bool PageStore::partSent(int64_t pageId, int32_t seq) {
    Statement sent(m_db, "UPDATE recipients SET parts_sent = parts_sent + 1 WHERE page_id = ? "
                         "AND seq = ?");
    return sent.bind(pageId, seq).done();
}

bool PageStore::endTry(int64_t pageId, int32_t seq, const TryOutcome& outcome) {
    Statement end(m_db, "UPDATE recipients SET state = ?, tries = ?, next_try = ?, "
                        "last_failure = ? WHERE page_id = ? AND seq = ? AND state = ?");
    return end
        .bind(recipientStateName(outcome.state), outcome.tries, outcome.nextTry,
              std::string_view(outcome.failure), pageId, seq, kInCall)
        .done();
}

int PageStore::requeueInterrupted() {
    // Its next try stays: it keeps its place before the recipients after it.
    Statement requeue(m_db, "UPDATE recipients SET state = ? WHERE state = ?");
    return requeue.bind(kQueued, kInCall).done() ? requeue.changes() : 0;
}

std::optional<RecipientState> PageStore::state(int64_t pageId, int32_t seq) {
    Statement query(m_db, "SELECT state FROM recipients WHERE page_id = ? AND seq = ?");
    if (query.bind(pageId, seq).step() != SQLITE_ROW)
        return std::nullopt;
    return recipientStateFromName(query.text(0));
}

std::vector<RecipientRow> PageStore::list() {
    Statement query(m_db, "SELECT page_id, seq, name, state, tries, next_try, last_failure "
                          "FROM recipients ORDER BY page_id, seq");
    std::vector<RecipientRow> rows;
    while (query.step() == SQLITE_ROW) {
        rows.push_back({query.integer(0), static_cast<int32_t>(query.integer(1)), query.text(2),
                        recipientStateFromName(query.text(3)).value_or(RecipientState::Failed),
                        static_cast<int32_t>(query.integer(4)), query.integer(5), query.text(6)});
    }
    return rows;
}

std::optional<int> PageStore::changeRecipients(int64_t pageId, const char* sql, int64_t now) {
    Statement page(m_db, "SELECT 1 FROM pages WHERE id = ?");
    if (page.bind(pageId).step() != SQLITE_ROW)
        return std::nullopt;
    Statement change(m_db, sql);
    if (!change.bind(now, pageId).done())
        return std::nullopt;
    return change.changes();
}

std::optional<int> PageStore::cancel(int64_t pageId) {
    // A call under way is told by its state; the daemon hangs it up.
    return changeRecipients(pageId,
                            "UPDATE recipients SET state = 'cancelled' "
                            "WHERE page_id = ?2 AND state IN ('queued', 'in call')",
                            0);
}

std::optional<int> PageStore::retry(int64_t pageId, int64_t now) {
    return changeRecipients(pageId,
                            "UPDATE recipients SET state = 'queued', tries = 0, next_try = ?, "
                            "last_failure = '' WHERE page_id = ? AND state IN "
                            "('failed', 'cancelled')",
                            now);
}

} // namespace tonalink
