#include "drying/CSVErrorHandlerDescriptor.h"

QString CSVErrorHandlerDescriptor::couldNotParseTime(const QString& text)
{
    return tr("Could not parse time: %1").arg(excerpt(text).toHtmlEscaped());
}

QString CSVErrorHandlerDescriptor::timeSmaller(const QString& previous, const QString& current)
{
    return tr("Time has value which is smaller than previous record:<br>previous = %1,<br>current = %2")
        .arg(previous.toHtmlEscaped(), current.toHtmlEscaped());
}

QString CSVErrorHandlerDescriptor::invalidFieldsCount(int expected, int got)
{
    return tr("Invalid fields count: expected %1, got %2").arg(expected).arg(got);
}

QString CSVErrorHandlerDescriptor::noContextNorHeader()
{
    return tr("The file has neither run context lines nor a header line.");
}

QString CSVErrorHandlerDescriptor::endsWithoutHeader()
{
    return tr("The file ends without a header line.");
}

QString CSVErrorHandlerDescriptor::dataBeforeHeader()
{
    return tr("A data line comes before the header line.");
}

QString CSVErrorHandlerDescriptor::lineTooLong(int maxCharacters)
{
    return tr("The line is longer than %1 characters.").arg(maxCharacters);
}

QString CSVErrorHandlerDescriptor::fileTooLarge(qint64 maxBytes)
{
    return tr("The file is larger than %1 MiB.").arg(maxBytes / (1024 * 1024));
}

QString CSVErrorHandlerDescriptor::contextTooLong(int maxLines)
{
    return tr("The run context has more than %1 lines.").arg(maxLines);
}

QString CSVErrorHandlerDescriptor::excerpt(const QString& text)
{
    const int quoted = 100;
    const int longestWord = 20;
    QString start;
    int word = 0;
    for (const QChar c : text.left(quoted)) {
        // Zero bytes and other control characters would show as nothing:
        // each shows as the replacement character.
        start += c.isPrint() || c == QLatin1Char('\t') ? c : QChar(QChar::ReplacementCharacter);
        // A box lays out a long word badly (cut off, or the next line lost):
        // an invisible break in it now and then lets it wrap.
        word = c.isSpace() ? 0 : word + 1;
        if (word == longestWord) {
            start += QChar(0x200B); // a zero-width space
            word = 0;
        }
    }
    return text.size() <= quoted ? start : start + QChar(0x2026); // an ellipsis
}
