#include "messages.h"

namespace korvalde::scenario {

namespace {

constexpr qsizetype kLongText = 120; // longer texts are shortened ...
constexpr qsizetype kHead = 80;      // ... to their first 80 characters
constexpr qsizetype kTail = 20;      // ... and their last 20
constexpr qsizetype kLongLine = 2000;

// Does the character move the cursor or change how the terminal shows what follows?
bool isControl(char32_t code)
{
    const QChar::Category category = QChar::category(code);
    if (category == QChar::Other_Control || category == QChar::Separator_Line ||
        category == QChar::Separator_Paragraph || category == QChar::Other_Surrogate)
        return true;
    // The bidirectional overrides and isolates reorder the text around them.
    return (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

QString escaped(const QString &text, bool quoteAsScenario)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t code = text[i].unicode();
        qsizetype width = 1;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        if (quoteAsScenario && (code == '"' || code == '\\')) {
            result += '\\';
            result += QChar(code);
        } else if (code == '\n') {
            result += QStringLiteral("\\n");
        } else if (code == '\r') {
            result += QStringLiteral("\\r");
        } else if (code == '\t') {
            result += QStringLiteral("\\t");
        } else if (isControl(code)) {
            const QString hex = QString::number(uint(code), 16).toUpper();
            result += code < 0x100 ? QStringLiteral("\\x") + hex.rightJustified(2, '0')
                                   : QStringLiteral("\\u{") + hex.rightJustified(4, '0') + '}';
        } else {
            result += text.mid(i, width);
        }
        i += width - 1;
    }
    return result;
}

// The start and end of a long text, never cutting a character in two.
QString shortened(const QString &text, qsizetype limit, qsizetype head, qsizetype tail)
{
    if (text.size() <= limit)
        return text;
    qsizetype headEnd = head;
    if (text[headEnd - 1].isHighSurrogate())
        --headEnd;
    qsizetype tailStart = text.size() - tail;
    if (text[tailStart].isLowSurrogate())
        ++tailStart;
    return text.left(headEnd) + QStringLiteral("…[%1 characters left out]…").arg(tailStart - headEnd) +
           text.mid(tailStart);
}

} // namespace

QString shownText(const QString &text)
{
    return escaped(shortened(text, kLongText, kHead, kTail), false);
}

QString shownValue(const QString &text)
{
    return '"' + escaped(shortened(text, kLongText, kHead, kTail), true) + '"';
}

QString shownLine(const QString &line)
{
    return escaped(shortened(line, kLongLine, kLongLine - 2 * kHead, kHead), false);
}

} // namespace korvalde::scenario
