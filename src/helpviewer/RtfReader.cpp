#include "RtfReader.h"

#include "RtfDocumentBuilder.h"
#include "RtfLexer.h"
#include "RtfText.h"
#include "common/Cp1252.h"

#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace {

enum class Destination : char { Text, Skip, FontTable, ColorTable, FieldInstruction };

struct Group
{
    Destination destination = Destination::Text;
    RtfCharState chars;
    RtfParaState para;
    int unicodeSkip = 1;
    QString href;
};

// Destinations whose content is not shown even without a \* before them.
bool isSkippedDestination(QByteArrayView word)
{
    static constexpr const char *skipped[] = {
        "stylesheet",   "info",       "pict",
        "header",       "headerl",    "headerr",
        "headerf",      "footer",     "footerl",
        "footerr",      "footerf",    "footnote",
        "object",       "listtable",  "listoverridetable",
        "revtbl",       "rsidtbl",    "xmlnsdecl",
        "generator",    "themedata",  "colorschememapping",
        "latentstyles", "datastore",  "nonshppict",
        "shppict",      "annotation", "xe",
        "tc",           "txe",        "filetbl",
        "pn",
    };
    for (const char *name : skipped) {
        if (word == name)
            return true;
    }
    return false;
}

// Twips bounds for indents and spacing: wider than any page, small enough to never overflow.
int twipsParam(const RtfToken &token)
{
    return qBound(-31680, token.param, 31680);
}

bool onOff(const RtfToken &token)
{
    return !token.hasParam || token.param != 0;
}

class RtfParser
{
public:
    RtfParser(QByteArrayView data, QTextDocument &document)
        : m_lexer(data)
        , m_builder(document)
    {
    }

    void run();

private:
    Group &top() { return m_stack.back(); }
    void groupStart();
    void groupEnd();
    void word(const RtfToken &token);
    bool destinationWord(const RtfToken &token);
    bool charWord(const RtfToken &token);
    bool paraWord(const RtfToken &token);
    bool specialWord(const RtfToken &token);
    void symbol(char c);
    void character(QChar c);
    bool skipOne();
    void flush();
    void commitFont();
    void commitColor();

    RtfLexer m_lexer;
    RtfDocumentBuilder m_builder;
    RtfTables m_tables;
    std::vector<Group> m_stack{Group{}};
    int m_tooDeep = 0; // groups opened past the depth bound and not yet closed
    bool m_groupJustOpened = false;
    bool m_star = false;
    bool m_done = false;
    int m_skipChars = 0; // characters still to drop after \uN
    int m_rowColumns = 0;
    QString m_pending; // text in the state of top(), not yet written
    QString m_fontName;
    int m_fontNumber = 0;
    int m_rgb[3] = {0, 0, 0};
    bool m_colorSet = false;
    QString m_instruction;
};

void RtfParser::run()
{
    while (!m_done) {
        const RtfToken token = m_lexer.next();
        const bool justOpened = m_groupJustOpened;
        m_groupJustOpened = false;
        if (token.kind == RtfToken::Kind::End)
            break;
        if (token.kind == RtfToken::Kind::GroupStart) {
            groupStart();
            continue;
        }
        if (token.kind == RtfToken::Kind::GroupEnd) {
            groupEnd();
            continue;
        }
        if (m_tooDeep > 0)
            continue;
        switch (token.kind) {
        case RtfToken::Kind::Word:
            word(token);
            break;
        case RtfToken::Kind::Symbol:
            if (token.symbol == '*' && justOpened) {
                m_star = true;
                m_groupJustOpened = true;
            } else {
                symbol(token.symbol);
            }
            break;
        case RtfToken::Kind::Hex:
            if (!skipOne())
                character(fromCp1252(token.hex));
            break;
        case RtfToken::Kind::Text:
            for (const char byte : token.bytes) {
                if (!skipOne())
                    character(fromCp1252(static_cast<unsigned char>(byte)));
            }
            break;
        default: // binary data (pictures, objects) is never shown
            skipOne();
            break;
        }
    }
    flush();
}

void RtfParser::groupStart()
{
    flush();
    m_skipChars = 0;
    m_star = false;
    if (m_tooDeep > 0 || int(m_stack.size()) > RtfReader::kMaxDepth) {
        ++m_tooDeep;
        return;
    }
    m_stack.push_back(top());
    m_groupJustOpened = true;
}

void RtfParser::groupEnd()
{
    flush();
    m_skipChars = 0;
    m_star = false;
    if (m_tooDeep > 0) {
        --m_tooDeep;
        return;
    }
    if (m_stack.size() <= 1)
        return;
    const Group closed = m_stack.back();
    m_stack.pop_back();
    if (closed.destination == Destination::FontTable && !m_fontName.isEmpty())
        commitFont();
    if (closed.destination == Destination::FieldInstruction
        && top().destination == Destination::Text)
        top().href = rtfHyperlinkTarget(m_instruction);
    // The document is its outermost group; what follows its end is not part of it.
    if (m_stack.size() == 1)
        m_done = true;
}

bool RtfParser::skipOne()
{
    if (m_skipChars <= 0)
        return false;
    --m_skipChars;
    return true;
}

void RtfParser::word(const RtfToken &token)
{
    const bool star = m_star;
    m_star = false;
    if (skipOne() || top().destination == Destination::Skip)
        return;
    // \uN only adds a character, and must not cut a surrogate pair in two.
    if (token.bytes != "u")
        flush();
    if (destinationWord(token))
        return;
    if (star) {
        top().destination = Destination::Skip;
        return;
    }
    switch (top().destination) {
    case Destination::FontTable:
        if (token.bytes == "f" && token.hasParam) {
            if (!m_fontName.isEmpty())
                commitFont();
            m_fontNumber = token.param;
        } else {
            specialWord(token); // \'hh and \uN in font names
        }
        return;
    case Destination::ColorTable: {
        static constexpr const char *parts[] = {"red", "green", "blue"};
        for (int i = 0; i < 3; ++i) {
            if (token.bytes == parts[i]) {
                m_rgb[i] = qBound(0, token.param, 255);
                m_colorSet = true;
            }
        }
        return;
    }
    case Destination::FieldInstruction:
        specialWord(token);
        return;
    default:
        break;
    }
    if (!charWord(token) && !paraWord(token))
        specialWord(token);
}

bool RtfParser::destinationWord(const RtfToken &token)
{
    const QByteArrayView w = token.bytes;
    Group &group = top();
    if (w == "fonttbl") {
        group.destination = Destination::FontTable;
        m_fontName.clear();
    } else if (w == "colortbl") {
        group.destination = Destination::ColorTable;
        m_colorSet = false;
    } else if (w == "fldinst") {
        if (group.destination != Destination::FieldInstruction)
            m_instruction.clear();
        group.destination = Destination::FieldInstruction;
    } else if (w == "field") {
        group.href.clear();
    } else if (w == "fldrslt" || w == "pntext" || w == "listtext") {
        // Shown as text: a field's result, a list item's number or bullet.
    } else if (isSkippedDestination(w)) {
        group.destination = Destination::Skip;
    } else {
        return false;
    }
    return true;
}

bool RtfParser::charWord(const RtfToken &token)
{
    const QByteArrayView w = token.bytes;
    RtfCharState &c = top().chars;
    if (w == "b")
        c.bold = onOff(token);
    else if (w == "i")
        c.italic = onOff(token);
    else if (w == "ul")
        c.underline = onOff(token);
    else if (w == "ulnone")
        c.underline = false;
    else if (w == "strike")
        c.strike = onOff(token);
    else if (w == "v")
        c.hidden = onOff(token);
    else if (w == "super")
        c.vertical = 1;
    else if (w == "sub")
        c.vertical = -1;
    else if (w == "nosupersub")
        c.vertical = 0;
    else if (w == "fs")
        c.halfPoints = token.hasParam ? qBound(2, token.param, 400) : 24;
    else if (w == "f")
        c.font = qMax(0, token.param);
    else if (w == "cf")
        c.color = qMax(0, token.param);
    else if (w == "plain")
        c = RtfCharState{};
    else
        return false;
    return true;
}

bool RtfParser::paraWord(const RtfToken &token)
{
    const QByteArrayView w = token.bytes;
    RtfParaState &p = top().para;
    if (w == "pard")
        p = RtfParaState{};
    else if (w == "li")
        p.left = twipsParam(token);
    else if (w == "ri")
        p.right = twipsParam(token);
    else if (w == "fi")
        p.first = twipsParam(token);
    else if (w == "sb")
        p.before = qMax(0, twipsParam(token));
    else if (w == "sa")
        p.after = qMax(0, twipsParam(token));
    else if (w == "ql")
        p.align = RtfParaState::Align::Left;
    else if (w == "qc")
        p.align = RtfParaState::Align::Center;
    else if (w == "qr")
        p.align = RtfParaState::Align::Right;
    else if (w == "qj")
        p.align = RtfParaState::Align::Justify;
    else if (w == "tx") {
        if (p.tabCount < int(p.tabs.size()) && token.param >= 0)
            p.tabs[size_t(p.tabCount++)] = twipsParam(token);
    } else if (w == "intbl")
        p.inTable = true;
    else
        return false;
    return true;
}

// Characters, breaks, table structure and document settings.
bool RtfParser::specialWord(const RtfToken &token)
{
    const QByteArrayView w = token.bytes;
    static constexpr struct
    {
        const char *word;
        char16_t c;
    } characters[] = {
        {"tab", u'\t'},         {"line", u'\u2028'},      {"bullet", u'\u2022'},
        {"emdash", u'\u2014'},  {"endash", u'\u2013'},    {"lquote", u'\u2018'},
        {"rquote", u'\u2019'},  {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'},
        {"emspace", u'\u2003'}, {"enspace", u'\u2002'},
    };
    for (const auto &entry : characters) {
        if (w == entry.word) {
            character(QChar(entry.c));
            return true;
        }
    }
    if (w == "u") {
        int unit = token.param < 0 ? token.param + 65536 : token.param;
        if (unit < 0 || unit > 0xFFFF)
            unit = QChar::ReplacementCharacter;
        character(QChar(char16_t(unit)));
        m_skipChars = top().unicodeSkip;
    } else if (w == "uc") {
        top().unicodeSkip = qBound(0, token.param, 16);
    } else if (w == "deff") {
        m_tables.defaultFont = qMax(0, token.param);
    } else if (top().destination != Destination::Text) {
        return false;
    } else if (w == "par" || w == "page" || w == "sect") {
        m_builder.paragraphEnd(top().para);
    } else if (w == "trowd") {
        m_rowColumns = 0;
    } else if (w == "cellx") {
        m_builder.rowDefinition(++m_rowColumns);
    } else if (w == "cell") {
        m_builder.cellEnd(top().para);
    } else if (w == "row") {
        m_builder.rowEnd();
    } else {
        return false;
    }
    return true;
}

void RtfParser::symbol(char c)
{
    if (skipOne() || top().destination == Destination::Skip)
        return;
    switch (c) {
    case '\\':
    case '{':
    case '}':
        character(QChar(char16_t(c)));
        break;
    case '~':
        character(QChar(u'\u00A0'));
        break;
    case '_':
        character(QChar(u'\u2011'));
        break;
    case '\n':
        if (top().destination == Destination::Text) {
            flush();
            m_builder.paragraphEnd(top().para);
        }
        break;
    default: // optional hyphens, index marks, formulas
        break;
    }
}

void RtfParser::character(QChar c)
{
    // Names and instructions longer than these are not real ones; the rest is dropped.
    constexpr qsizetype kLongestName = 256;
    constexpr qsizetype kLongestInstruction = 4096;
    switch (top().destination) {
    case Destination::Text:
        if (!top().chars.hidden)
            m_pending += c;
        break;
    case Destination::FontTable:
        if (c == u';')
            commitFont();
        else if (m_fontName.size() < kLongestName)
            m_fontName += c;
        break;
    case Destination::ColorTable:
        if (c == u';')
            commitColor();
        break;
    case Destination::FieldInstruction:
        if (m_instruction.size() < kLongestInstruction)
            m_instruction += c;
        break;
    case Destination::Skip:
        break;
    }
}

void RtfParser::flush()
{
    if (m_pending.isEmpty())
        return;
    const Group &group = top();
    m_builder.text(rtfCleanText(m_pending), rtfCharFormat(group.chars, group.href, m_tables),
                   group.para);
    m_pending.clear();
}

void RtfParser::commitFont()
{
    m_tables.fonts.insert(m_fontNumber, rtfCleanText(m_fontName).trimmed());
    m_fontName.clear();
}

void RtfParser::commitColor()
{
    m_tables.colors.append(m_colorSet ? QColor(m_rgb[0], m_rgb[1], m_rgb[2]) : QColor());
    m_rgb[0] = m_rgb[1] = m_rgb[2] = 0;
    m_colorSet = false;
}

bool startsAsRtf(QByteArrayView data)
{
    qsizetype at = 0;
    while (at < data.size() && QChar::isSpace(uchar(data[at])))
        ++at;
    return data.sliced(at).startsWith("{\\rtf");
}

} // namespace

void RtfReader::read(QByteArrayView data, QTextDocument &document)
{
    document.clear();
    // A shown topic is never edited: no undo history. One edit block for the whole reading,
    // or every insertion would lay its block out again (quadratic in a long paragraph).
    document.setUndoRedoEnabled(false);
    if (startsAsRtf(data)) {
        QTextCursor edit(&document);
        edit.beginEditBlock();
        RtfParser(data, document).run();
        edit.endEditBlock();
    } else if (!data.contains('\0')) {
        document.setPlainText(rtfPlainText(data));
    }
}
