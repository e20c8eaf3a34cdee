#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A firmware image: the file's lines, sent one by one, and a cursor on the
// line being sent.
class FirmwareFile
{
public:
    virtual ~FirmwareFile() = default;
    virtual bool load(const QString& path) = 0;

    bool isEmpty() const { return lines.isEmpty(); }
    int count() const { return lines.size(); }
    int index() const { return cursor; }
    QByteArray currentLine() const;
    bool next();
    void reset() { cursor = 0; }
    void clear();

protected:
    QList<QByteArray> lines;
    int cursor = 0;
};
