#include "core/snpp/snpp_session.h"

#include "core/snpp/hold_time.h"

#include <algorithm>
#include <cctype>

namespace tonalink::snpp {
namespace {

constexpr std::string_view kHelp = "214 PAGE <Pager ID> [PIN]: a phone-book name or group:1-4\r\n"
                                   "214 MESS <Message>, or DATA and lines up to \".\"\r\n"
                                   "214 HOLD YYMMDDHHMM[SS] [+/-GMT]: send at that time\r\n"
                                   "214 SEND, RESE, QUIT, HELP\r\n"
                                   "214 LOGI, LEVE, ALER, COVE, SUBJ, CALL accepted\r\n"
                                   "250 End of Help Information\r\n";

std::string reply(std::string_view text) {
    return std::string(text) + "\r\n";
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string keyword(std::string_view word) {
    std::string key(word.substr(0, 4));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return key;
}

// Keeps a bounded copy of a command's text; false when it is too long.
bool keep(std::string& field, std::string_view text) {
    if (text.size() > kMaxFieldBytes)
        return false;
    field = text;
    return true;
}

} // namespace

std::string Session::greeting() {
    return reply("220 Tonalink SNPP gateway ready");
}

std::string Session::onLine(std::string_view line) {
    if (m_ended)
        return {};
    if (m_inData)
        return dataLine(line);
    const std::size_t space = line.find(' ');
    const std::string command = keyword(line.substr(0, space));
    const std::string_view argument =
        space == std::string_view::npos ? std::string_view() : trimmed(line.substr(space + 1));
    if (command == "PAGE")
        return page(argument);
    if (command == "MESS")
        return message(argument);
    if (command == "DATA") {
        if (m_messageGiven)
            return reply("503 ERROR, Message Already Entered");
        m_inData = true;
        m_dataTooLong = false;
        m_page.message.clear();
        return reply("354 Begin Input; End with <CRLF>'.'<CRLF>");
    }
    if (command == "HOLD")
        return hold(argument);
    if (command == "SEND")
        return send();
    if (command == "RESE") {
        reset();
        return reply("250 RESET OK");
    }
    if (command == "QUIT") {
        m_ended = true;
        return reply("221 OK, Goodbye");
    }
    if (command == "HELP")
        return std::string(kHelp);
    if (command == "LOGI") {
        const std::string_view id = argument.substr(0, argument.find(' '));
        if (id.empty() || !keep(m_page.login, id))
            return reply("550 Error, Invalid Login");
        return reply("250 Login Accepted");
    }
    if (command == "SUBJ")
        return keep(m_page.subject, argument) ? reply("250 Message Subject OK")
                                              : reply("550 Error, Subject Too Long");
    if (command == "CALL")
        return keep(m_page.callerId, argument) ? reply("250 Caller ID Accepted")
                                               : reply("550 Error, Caller ID Too Long");
    // Service level, alert override and alternate coverage mean nothing to a
    // pager called over a telephone line: accepted and left aside.
    if (command == "LEVE" || command == "ALER" || command == "COVE")
        return reply("250 OK, Accepted");
    return reply("500 Command Not Implemented");
}

std::string Session::page(std::string_view argument) {
    if (m_page.pagerIds.size() >= kMaxPagerIds)
        return reply("552 Maximum Entries Exceeded");
    // Phone-book names may hold blanks: the whole argument is tried first, then
    // without a trailing PIN, which a DTMF pager has no use for.
    std::string_view id = argument;
    if (!id.empty() && !m_gateway.knowsPager(id)) {
        const std::size_t space = id.rfind(' ');
        id = space == std::string_view::npos ? std::string_view() : trimmed(id.substr(0, space));
        if (!id.empty() && !m_gateway.knowsPager(id))
            id = {};
    }
    if (id.empty())
        return reply("550 Error, Invalid Pager ID");
    m_page.pagerIds.emplace_back(id);
    return reply("250 Pager ID Accepted");
}

std::string Session::message(std::string_view text) {
    if (m_messageGiven)
        return reply("503 ERROR, Message Already Entered");
    if (text.empty())
        return reply("550 ERROR, Invalid Message");
    if (text.size() > kMaxMessageBytes)
        return reply("550 ERROR, Message Too Long");
    m_page.message = text;
    m_messageGiven = true;
    return reply("250 Message OK");
}

std::string Session::dataLine(std::string_view line) {
    if (line == ".") {
        m_inData = false;
        if (m_dataTooLong) {
            m_page.message.clear();
            return reply("550 ERROR, Message Too Long");
        }
        if (m_page.message.empty())
            return reply("550 ERROR, Invalid Message");
        m_messageGiven = true;
        return reply("250 Message OK");
    }
    // A line that starts with a period comes with one more.
    if (line.starts_with(".."))
        line.remove_prefix(1);
    const std::size_t added = line.size() + (m_page.message.empty() ? 0 : 2);
    if (m_dataTooLong || m_page.message.size() + added > kMaxMessageBytes) {
        m_dataTooLong = true;
        return {};
    }
    if (!m_page.message.empty())
        m_page.message += "\r\n";
    m_page.message += line;
    return {};
}

std::string Session::hold(std::string_view argument) {
    const std::optional<int64_t> at = parseHoldTime(argument);
    if (!at)
        return reply("550 Error, Invalid Delivery Date/Time");
    m_page.holdUntil = at;
    return reply("250 Delayed Messaging Selected");
}

std::string Session::send() {
    if (m_page.pagerIds.empty() || !m_messageGiven)
        return reply("503 Error, Pager ID or Message Incomplete");
    const auto outcome = m_gateway.submit(m_page);
    reset();
    if (const int64_t* job = std::get_if<int64_t>(&outcome))
        return reply("250 Message Queued Successfully, job " + std::to_string(*job));
    return reply("554 Error, " + std::get<std::string>(outcome));
}

void Session::reset() {
    // The login holds for the whole connection; everything else is per page.
    Page fresh;
    fresh.login = std::move(m_page.login);
    m_page = std::move(fresh);
    m_messageGiven = false;
}

} // namespace tonalink::snpp
