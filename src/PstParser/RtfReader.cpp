// SPDX-License-Identifier: GPL-2.0-or-later
#include "RtfReader.h"

#include "PstDataConverter.h"

#include <QTextCodec>

#include <algorithm>

namespace {

constexpr int kMaxWordLetters = 32;
constexpr int kMaxFonts = 4096;
constexpr int kMaxColours = 1024;
constexpr int kMaxUnicodeSkip = 16;
// How far into the document its header may declare encapsulated content.
constexpr qsizetype kHeaderScan = 512;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The Windows code page of an RTF font character set.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

// Symbols that stand for one character each.
QChar characterOfWord(const QByteArray& word)
{
    static const QHash<QByteArray, char16_t> characters = {
        {"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022}, {"lquote", 0x2018},
        {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003},
        {"enspace", 0x2002}, {"qmspace", 0x2005},
    };
    return QChar(characters.value(word, 0));
}

bool isSkippedDestination(const QByteArray& word)
{
    static const QList<QByteArray> skipped = {
        "stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf", "footer",
        "footerl", "footerr", "footerf", "footnote", "annotation", "listtable", "listoverridetable",
        "revtbl", "rsidtbl", "generator", "themedata", "colorschememapping", "latentstyles",
        "datastore", "xmlnstbl", "filetbl", "pgdsctbl", "nonshppict", "pntxta", "pntxtb", "fldtype",
        "datafield", "bkmkstart", "bkmkend", "xe", "tc", "txe",
    };
    return skipped.contains(word);
}

} // namespace

RtfReader::~RtfReader() = default;

RtfReader::Encapsulation RtfReader::encapsulationOf(const QByteArray& rtf)
{
    const QByteArray head = rtf.left(kHeaderScan);
    if (!head.startsWith("{\\rtf"))
        return Encapsulation::None;
    // Before the first text or HTML tag of the document.
    qsizetype end = head.indexOf("{\\*\\htmltag");
    if (end < 0)
        end = head.size();
    const QByteArray declarations = head.left(end);
    const qsizetype html = declarations.indexOf("\\fromhtml1");
    if (html >= 0 && (html + 10 >= declarations.size() || !isDigit(declarations.at(html + 10))))
        return Encapsulation::Html;
    const qsizetype text = declarations.indexOf("\\fromtext");
    if (text >= 0 && (text + 9 >= declarations.size() || !isLetter(declarations.at(text + 9))))
        return Encapsulation::Text;
    return Encapsulation::None;
}

bool RtfReader::read(const QByteArray& rtf)
{
    const char* p = rtf.constData();
    const qsizetype n = rtf.size();
    qsizetype i = 0;
    while (i < n && !m_cutShort) {
        const char c = p[i];
        if (c == '{' || c == '}') {
            flushBytes();
            c == '{' ? openGroup() : closeGroup();
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n' || c == '\0') {
            ++i;
            continue;
        }
        if (c != '\\') {
            appendByte(c);
            ++i;
            continue;
        }
        if (++i >= n)
            break;
        const char s = p[i];
        if (isLetter(s)) {
            const qsizetype start = i;
            while (i < n && isLetter(p[i]))
                ++i;
            // An overlong word is no word the reader knows; it is read whole
            // and dropped.
            const QByteArray word = i - start <= kMaxWordLetters ? QByteArray(p + start, i - start) : QByteArray("?");
            const bool negative = i + 1 < n && p[i] == '-' && isDigit(p[i + 1]);
            if (negative)
                ++i;
            qint64 value = 0;
            bool hasParameter = false;
            while (i < n && isDigit(p[i])) {
                hasParameter = true;
                value = std::min<qint64>(value * 10 + (p[i] - '0'), INT32_MAX);
                ++i;
            }
            if (i < n && p[i] == ' ')
                ++i;
            const int parameter = int(negative ? -value : value);
            if (word == "bin") {
                // Binary data is never text; its length comes from the file.
                flushBytes();
                i += negative ? 0 : std::clamp<qint64>(value, 0, n - i);
                m_groupJustOpened = false;
                continue;
            }
            handleWord(word, parameter, hasParameter);
            continue;
        }
        ++i;
        if (s == '\'') {
            const int high = i < n ? hexValue(p[i]) : -1;
            const int low = i + 1 < n ? hexValue(p[i + 1]) : -1;
            if (high < 0 || low < 0)
                continue;
            i += 2;
            appendByte(char(high * 16 + low));
        } else if (s == '*') {
            m_starred = true;
        } else if (s == '\\' || s == '{' || s == '}') {
            appendByte(s);
        } else if (s == '~') {
            handleCharacter(QChar(0x00A0));
        } else if (s == '_') {
            handleCharacter(QChar(0x2011));
        } else if (s == '\r' || s == '\n') {
            handleWord("par", 0, false);
        }
    }
    flushBytes();
    return !m_cutShort;
}

void RtfReader::appendByte(char c)
{
    m_groupJustOpened = false;
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    const Destination destination = m_state.destination;
    if (destination == Destination::ColorTable && c == ';') {
        if (m_colours.size() < kMaxColours)
            m_colours.append(m_colourSet ? QStringLiteral("#%1%2%3")
                                               .arg(m_red & 0xFF, 2, 16, QLatin1Char('0'))
                                               .arg(m_green & 0xFF, 2, 16, QLatin1Char('0'))
                                               .arg(m_blue & 0xFF, 2, 16, QLatin1Char('0'))
                                         : QString());
        m_colourSet = false;
        m_red = m_green = m_blue = 0;
        return;
    }
    if (destination == Destination::Skipped || destination == Destination::FontTable
        || destination == Destination::ColorTable)
        return;
    if (!m_bytes.isEmpty() && m_bytesCodePage != m_state.codePage)
        flushBytes();
    m_bytesCodePage = m_state.codePage;
    m_bytes.append(c);
}

void RtfReader::handleCharacter(QChar character)
{
    m_groupJustOpened = false;
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    flushBytes();
    emitText(QString(character));
}

void RtfReader::flushBytes()
{
    if (m_bytes.isEmpty())
        return;
    QTextCodec* codec = codecFor(m_bytesCodePage);
    const QString decoded = codec ? codec->toUnicode(m_bytes) : QString::fromLatin1(m_bytes);
    m_bytes.clear();
    emitText(decoded);
}

void RtfReader::emitText(const QString& decoded)
{
    const Destination destination = m_state.destination;
    if (destination == Destination::Skipped || destination == Destination::FontTable
        || destination == Destination::ColorTable || !visible())
        return;
    if (spend(decoded.size()))
        text(decoded);
}

bool RtfReader::spend(qsizetype chars)
{
    m_output += chars;
    if (m_output > kMaxOutputChars)
        m_cutShort = true;
    return !m_cutShort;
}

void RtfReader::handleWord(const QByteArray& word, int parameter, bool hasParameter)
{
    flushBytes();
    if (m_groupJustOpened) {
        m_groupJustOpened = false;
        const bool starred = m_starred;
        m_starred = false;
        if (m_state.destination != Destination::Skipped) {
            const Destination opened = destinationOf(word, starred);
            if (opened != m_state.destination) {
                m_state.destination = opened;
                destinationOpened(opened);
            }
        }
    }
    if (m_skipChars > 0) {
        --m_skipChars;
        return;
    }
    if (m_state.destination == Destination::FontTable) {
        handleFontTableWord(word, parameter);
        return;
    }
    if (m_state.destination == Destination::ColorTable) {
        handleColourWord(word, parameter);
        return;
    }
    if (word == "u") {
        const int unit = parameter < 0 ? parameter + 65536 : parameter;
        if (unit > 0 && unit <= 0xFFFF)
            emitText(QString(QChar(char16_t(unit))));
        m_skipChars = m_state.unicodeSkip;
    } else if (word == "uc") {
        m_state.unicodeSkip = std::clamp(parameter, 0, kMaxUnicodeSkip);
    } else if (word == "ansicpg" && parameter > 0) {
        m_documentCodePage = parameter;
        m_state.codePage = parameter;
    } else if (word == "mac" || word == "pc" || word == "pca") {
        m_documentCodePage = word == "mac" ? 10000 : word == "pc" ? 437 : 850;
        m_state.codePage = m_documentCodePage;
    } else if (word == "f") {
        m_state.codePage = codePageOfFont(parameter);
    } else if (word == "htmlrtf") {
        m_state.htmlRtf = !hasParameter || parameter != 0;
    } else if (word == "plain") {
        m_state.formatting = Formatting();
        m_state.codePage = m_documentCodePage;
    } else if (word == "intbl") {
        m_state.inTable = true;
        controlWord(word, parameter, hasParameter);
    } else if (word == "pard") {
        m_state.inTable = false;
        controlWord(word, parameter, hasParameter);
    } else if (const QChar character = characterOfWord(word); !character.isNull()) {
        emitText(QString(character));
    } else {
        controlWord(word, parameter, hasParameter);
    }
}

void RtfReader::handleFontTableWord(const QByteArray& word, int parameter)
{
    if (word == "f") {
        m_tableFont = parameter;
    } else if ((word == "fcharset" || word == "cpg") && m_tableFont >= 0 && m_fontCodePages.size() < kMaxFonts) {
        const int codePage = word == "cpg" ? parameter : codePageOfCharset(parameter);
        if (codePage > 0)
            m_fontCodePages.insert(m_tableFont, codePage);
    }
}

void RtfReader::handleColourWord(const QByteArray& word, int parameter)
{
    if (word == "red")
        m_red = parameter;
    else if (word == "green")
        m_green = parameter;
    else if (word == "blue")
        m_blue = parameter;
    else
        return;
    m_colourSet = true;
}

void RtfReader::openGroup()
{
    m_skipChars = 0;
    m_starred = false;
    m_groupJustOpened = true;
    if (m_stack.size() >= kMaxDepth) {
        ++m_flatDepth;
        return;
    }
    m_stack.append(m_state);
    m_state.closesLink = false;
}

void RtfReader::closeGroup()
{
    m_skipChars = 0;
    m_groupJustOpened = false;
    if (m_flatDepth > 0) {
        --m_flatDepth;
        return;
    }
    if (m_stack.isEmpty())
        return;
    groupClosing(m_state);
    m_state = m_stack.takeLast();
}

int RtfReader::codePageOfFont(int font) const
{
    return m_fontCodePages.value(font, m_documentCodePage);
}

QTextCodec* RtfReader::codecFor(int codePage)
{
    const auto known = m_codecs.constFind(codePage);
    if (known != m_codecs.constEnd())
        return *known;
    QByteArray name = PstDataConverter::encodingNameForCodePage(codePage).toLatin1();
    if (codePage == 10000)
        name = "macintosh";
    else if (codePage == 437 || codePage == 850)
        name = "IBM" + QByteArray::number(codePage);
    QTextCodec* codec = name.isEmpty() ? nullptr : QTextCodec::codecForName(name);
    if (!codec)
        codec = QTextCodec::codecForName("windows-1252");
    m_codecs.insert(codePage, codec);
    return codec;
}

void RtfReader::controlWord(const QByteArray&, int, bool)
{
}

RtfReader::Destination RtfReader::destinationOf(const QByteArray& word, bool starred) const
{
    if (word == "fonttbl")
        return Destination::FontTable;
    if (word == "colortbl")
        return Destination::ColorTable;
    if (word == "fldinst")
        return Destination::FieldInstruction;
    if (word == "fldrslt")
        return Destination::FieldResult;
    if (starred || isSkippedDestination(word))
        return Destination::Skipped;
    return m_state.destination;
}

void RtfReader::groupClosing(const State&)
{
}

void RtfReader::destinationOpened(Destination)
{
}

bool RtfReader::visible() const
{
    return true;
}
