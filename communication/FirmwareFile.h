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

    bool isEmpty() const { return m_lines.isEmpty(); }
    int count() const { return m_lines.size(); }
    int index() const { return m_cursor; }
    QByteArray currentLine() const;
    bool next();
    void reset() { m_cursor = 0; }
    void clear();

protected:
    QList<QByteArray> m_lines;
    int m_cursor = 0;
};
