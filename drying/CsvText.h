#pragma once

#include <QString>
#include <QStringList>

// Text rules shared by every CSV file of the program.
namespace Common {
namespace CSV {

// Ends every field, header and data alike, and splits a metadata line.
extern const QString fieldSeparator;
extern const QString lineEnd;

// Backslash, CR, LF and TAB become two-character sequences, so a value always
// stays on its line and never holds the separator.
QString escapeValue(const QString& value);
// The exact inverse in one pass; an unknown sequence stays as it is.
QString unescapeValue(const QString& text);

// prefix, then every field followed by the separator, then the line end.
void appendRow(QString& text, const QStringList& fields, const QString& separator,
               const QString& prefix = QString());
// An empty line gives no fields; a trailing separator gives a last empty field.
QStringList splitRow(const QString& line);

// Times of a run as offsets from its first record. The hour field keeps
// counting past 24, so a long run reads back as it was written.
QString formatRunTime(qint64 ms);
// Accepts "H...:mm:ss" (at least two hour digits); false for anything else or
// for a time beyond what an int of milliseconds holds.
bool parseRunTime(const QString& text, int* ms);

} // namespace CSV
} // namespace Common
