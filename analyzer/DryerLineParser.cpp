#include "analyzer/DryerLineParser.h"

#include <QVector>
#include <qnumeric.h>

namespace KD {
namespace Communication {

DryerLineParser::DryerLineParser(QObject* parent) : QObject(parent) { }

bool DryerLineParser::parseMeasurement(const QString& line, Measurement& m)
{
    QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return false;
    trimmed.replace(QLatin1Char('\t'), QLatin1Char(' '));
    // Views into the line: every received line comes here, and most are
    // numbers whose parts are never kept.
    const QVector<QStringRef> parts = trimmed.splitRef(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() >= 2)
        m.unit = parts.at(1).toString();
    bool ok = false;
    m.value = parts.first().toFloat(&ok);
    m.flag = QLatin1Char('?');
    // "inf" and "nan" convert, but they are no mass.
    return ok && qIsFinite(m.value);
}

bool DryerLineParser::handleLine(QString line)
{
    if (m_inStartBlock && m_block.handleLine(line)) {
        if (m_block.isFinished()) {
            m_inStartBlock = false;
            emit dryingStart(m_block.massOk(), m_block.initialMeasurement(), m_block.interval());
        }
        return true;
    }

    Measurement m;
    if (parseMeasurement(line, m)) {
        emit recordAppeared(m);
        return true;
    }

    m_block.reset();
    if (m_block.handleLine(line)) {
        m_inStartBlock = true;
        return true;
    }

    if (line == QLatin1String("SK0") || line == QLatin1String("SK1")) {
        emit dryingStop();
        return true;
    }
    return false;
}

} // namespace Communication
} // namespace KD
