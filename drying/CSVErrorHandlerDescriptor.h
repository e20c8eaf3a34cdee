#pragma once

#include <QObject>

// The parse messages of the CSV layer (rich text: they go into a message box,
// so every piece taken from the file is escaped).
class CSVErrorHandlerDescriptor : public QObject
{
    Q_OBJECT

public:
    static QString couldNotParseTime(const QString& text);
    static QString timeSmaller(const QString& previous, const QString& current);
    static QString invalidFieldsCount(int expected, int got);
    static QString noContextNorHeader();
    static QString endsWithoutHeader();
    static QString dataBeforeHeader();
    static QString lineTooLong(int maxCharacters);
    static QString fileTooLarge(qint64 maxBytes);
    static QString contextTooLong(int maxLines);

    // The start of a text from the file, as a box quotes it: enough to find
    // the place, however long the line, and every character visible (plain
    // text, not yet escaped).
    static QString excerpt(const QString& text);
};
