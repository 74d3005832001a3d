// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

class QTextCodec;

// Reads an RTF document from a PST body, which is untrusted: it walks the
// groups, control words, escapes and text once, keeps the character state
// of each group (font, code page, Unicode skip count, destination) and hands
// the decoded text of visible destinations to a subclass. Everything is
// bounded: nesting deeper than kMaxDepth is read flat, control words are cut
// to 32 letters, \bin data is skipped within the document, and the output
// stops at kMaxOutputChars.
class RtfReader
{
public:
    virtual ~RtfReader();

    static constexpr int kMaxDepth = 200;
    static constexpr qsizetype kMaxOutputChars = 16 * 1024 * 1024;

    // What a group's text is for.
    enum class Destination { Body, Skipped, FontTable, ColorTable, HtmlTag, FieldInstruction, FieldResult };

    struct Formatting
    {
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        int halfPoints = 0;
        int colour = 0;
    };

    struct State
    {
        Destination destination = Destination::Body;
        int codePage = 1252;
        int unicodeSkip = 1;
        bool htmlRtf = false;
        bool inTable = false;
        Formatting formatting;
        // Set on the group that opened a hyperlink's text.
        bool closesLink = false;
    };

    // Whether the document's header declares encapsulated HTML (\fromhtml1)
    // or plain text (\fromtext).
    enum class Encapsulation { None, Html, Text };
    static Encapsulation encapsulationOf(const QByteArray& rtf);

protected:
    // Reads `rtf` from the start; returns false when the document was cut
    // short by a limit (the output then holds what was read).
    bool read(const QByteArray& rtf);

    // Text of the current destination, decoded.
    virtual void text(const QString& text) = 0;
    // A control word the reader does not handle itself; \par, \line, \tab,
    // \cell and \row arrive here too.
    virtual void controlWord(const QByteArray& word, int parameter, bool hasParameter);
    // The destination a group opened by `word` (with \* before it when
    // `starred`) stands for; Skipped for unknown starred ones.
    virtual Destination destinationOf(const QByteArray& word, bool starred) const;
    // Called before a group's state is dropped.
    virtual void groupClosing(const State& closing);
    // Called as a group opens as `destination`.
    virtual void destinationOpened(Destination destination);
    // Whether the current text is shown; subclasses decide on htmlrtf.
    virtual bool visible() const;

    State& state() { return m_state; }
    const State& state() const { return m_state; }
    QList<QString> colours() const { return m_colours; }
    // Counts output against kMaxOutputChars; false once it is reached.
    bool spend(qsizetype chars);

private:
    void appendByte(char c);
    void handleCharacter(QChar character);
    void flushBytes();
    void emitText(const QString& text);
    void handleWord(const QByteArray& word, int parameter, bool hasParameter);
    void handleFontTableWord(const QByteArray& word, int parameter);
    void handleColourWord(const QByteArray& word, int parameter);
    void openGroup();
    void closeGroup();
    int codePageOfFont(int font) const;
    QTextCodec* codecFor(int codePage);

    State m_state;
    QList<State> m_stack;
    int m_flatDepth = 0;
    int m_documentCodePage = 1252;
    QHash<int, int> m_fontCodePages;
    int m_tableFont = -1;
    QList<QString> m_colours;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourSet = false;
    QByteArray m_bytes;
    int m_bytesCodePage = 1252;
    int m_skipChars = 0;
    // A group's first control word may name its destination.
    bool m_groupJustOpened = false;
    bool m_starred = false;
    qsizetype m_output = 0;
    bool m_cutShort = false;
    QHash<int, QTextCodec*> m_codecs;
};
