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
};
