// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

#include <cstdio>
#include <functional>

// A stdio stream that takes one message from the MIME writer and passes it
// on to a mailbox file: the writer's own separator line (its first line) is
// held back and handed to a callback, which writes the mailbox's own in its
// place; in mbox mode (mboxrd) every later line that starts with "From ",
// or with ">" signs and "From ", gets one more ">" in front, so the mailbox
// splits exactly between messages and readers can take the quoting off
// again. Memory stays small
// whatever the message's size: bytes go through as they come.
class MailboxStream
{
public:
    // firstLine gets the separator line without its line feed, before any
    // other byte reaches target.
    MailboxStream(FILE* target, bool quoteFromLines, std::function<void(const QByteArray& firstLine)> firstLine);
    ~MailboxStream();
    MailboxStream(const MailboxStream&) = delete;
    MailboxStream& operator=(const MailboxStream&) = delete;

    // The stream to hand to the writer; null when it could not be made.
    FILE* stream() const { return m_stream; }
    // Closes the stream; false when any byte could not be written.
    bool finish();
    // The last byte passed on, or 0 when none.
    char lastByte() const { return m_lastByte; }
    // Whether the message ended with an empty line.
    bool endsWithEmptyLine() const { return m_endsWithEmptyLine; }

private:
    static ssize_t writeCookie(void* cookie, const char* data, size_t size);
    void take(const char* data, size_t size);
    bool passLines(const char** data, const char* end);
    void put(const char* data, size_t size);
    void flushPending();

    enum class State { FirstLine, LineStart, MidLine };

    FILE* m_target = nullptr;
    FILE* m_stream = nullptr;
    bool m_quote = false;
    std::function<void(const QByteArray&)> m_firstLine;
    State m_state = State::FirstLine;
    QByteArray m_pending;
    // How many ">" open the held bytes of a line's start.
    qsizetype m_pendingQuotes = 0;
    bool m_failed = false;
    char m_lastByte = 0;
    bool m_endsWithEmptyLine = false;
};
