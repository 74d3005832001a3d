// SPDX-License-Identifier: GPL-2.0-or-later
#include "MailboxStream.h"

#include <cstring>

namespace {

const char kFromLine[] = "From ";
constexpr qsizetype kFromLength = 5;

} // namespace

MailboxStream::MailboxStream(FILE* target, bool quoteFromLines, std::function<void(const QByteArray&)> firstLine)
    : m_target(target)
    , m_quote(quoteFromLines)
    , m_firstLine(std::move(firstLine))
{
    cookie_io_functions_t functions{};
    functions.write = &MailboxStream::writeCookie;
    m_stream = fopencookie(this, "w", functions);
}

MailboxStream::~MailboxStream()
{
    finish();
}

bool MailboxStream::finish()
{
    if (m_stream) {
        fclose(m_stream);
        m_stream = nullptr;
        if (m_state == State::FirstLine && m_firstLine)
            m_firstLine(m_pending);
        else
            flushPending();
    }
    return !m_failed;
}

ssize_t MailboxStream::writeCookie(void* cookie, const char* data, size_t size)
{
    auto* self = static_cast<MailboxStream*>(cookie);
    self->take(data, size);
    return self->m_failed ? -1 : ssize_t(size);
}

void MailboxStream::take(const char* data, size_t size)
{
    const char* const end = data + size;
    while (data < end) {
        if (m_state == State::FirstLine) {
            const char* newline = static_cast<const char*>(memchr(data, '\n', size_t(end - data)));
            m_pending.append(data, newline ? newline - data : end - data);
            if (!newline)
                return;
            if (m_firstLine)
                m_firstLine(m_pending);
            m_pending.clear();
            m_state = State::LineStart;
            data = newline + 1;
        } else if (!m_quote) {
            put(data, size_t(end - data));
            m_state = end[-1] == '\n' ? State::LineStart : State::MidLine;
            data = end;
        } else if (m_state == State::MidLine) {
            const char* newline = static_cast<const char*>(memchr(data, '\n', size_t(end - data)));
            const char* stop = newline ? newline + 1 : end;
            put(data, size_t(stop - data));
            m_state = newline ? State::LineStart : State::MidLine;
            data = stop;
        } else if (m_pending.isEmpty() && passLines(&data, end)) {
            continue;
        } else {
            // At a line's start: hold bytes while they may still become
            // ">...>From " (mboxrd: each such line gets one more ">").
            const char c = *data++;
            if (c == '>' && m_pending.size() == m_pendingQuotes)
                ++m_pendingQuotes;
            m_pending.append(c);
            const qsizetype rest = m_pending.size() - m_pendingQuotes;
            if (rest <= kFromLength && memcmp(m_pending.constData() + m_pendingQuotes, kFromLine, size_t(rest)) == 0) {
                if (rest == kFromLength) {
                    put(">", 1);
                    flushPending();
                    m_state = State::MidLine;
                }
                continue;
            }
            flushPending();
            m_state = c == '\n' ? State::LineStart : State::MidLine;
        }
    }
}

// At a line's start with nothing held: passes on, in one piece, the lines
// up to the first that needs a ">" (which is written, the line left to the
// caller) or whose start the bytes at hand cannot tell yet. False when there
// is no such line at *data itself to decide: the caller goes byte by byte.
bool MailboxStream::passLines(const char** data, const char* end)
{
    const char* line = *data;
    for (;;) {
        const char* text = line;
        while (text < end && *text == '>')
            ++text;
        const size_t rest = size_t(end - text);
        const bool undecided = rest < size_t(kFromLength) && memcmp(text, kFromLine, rest) == 0;
        const bool quoted = rest >= size_t(kFromLength) && memcmp(text, kFromLine, size_t(kFromLength)) == 0;
        const char* newline = undecided || quoted ? nullptr : static_cast<const char*>(memchr(text, '\n', rest));
        if (undecided || quoted || !newline) {
            const char* stop = undecided || quoted ? line : end;
            put(*data, size_t(stop - *data));
            if (quoted)
                put(">", 1);
            const bool moved = stop != *data || quoted;
            *data = stop;
            m_state = undecided ? State::LineStart : State::MidLine;
            return moved;
        }
        line = newline + 1;
    }
}

void MailboxStream::put(const char* data, size_t size)
{
    if (size == 0 || m_failed)
        return;
    if (fwrite(data, 1, size, m_target) != size)
        m_failed = true;
    m_endsWithEmptyLine = size >= 2 ? (data[size - 2] == '\n' && data[size - 1] == '\n')
                                    : (data[0] == '\n' && m_lastByte == '\n');
    m_lastByte = data[size - 1];
}

void MailboxStream::flushPending()
{
    const QByteArray pending = m_pending;
    m_pending.clear();
    m_pendingQuotes = 0;
    put(pending.constData(), size_t(pending.size()));
}
