#pragma once

#include <QString>

#include <optional>

// How an IMAP reply line stands to the command tagged `tag`.
enum class ImapReply {
    Other,  // untagged data, a continuation, or another tag's line
    Ok,     // "<tag> OK …"
    Refused // "<tag> NO …" or "<tag> BAD …"
};
ImapReply imapReplyTo(const QString &line, const QString &tag);

// The unseen count of an untagged STATUS reply ("* STATUS INBOX (MESSAGES 3 UNSEEN 2)" gives
// 2): nothing for another line, or a count that is not a plain number up to 32767.
std::optional<int> imapUnseenCount(const QString &line);

// A text as an IMAP quoted string: in double quotes, with backslash and quote escaped.
QString imapQuoted(const QString &text);
