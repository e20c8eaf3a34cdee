#include "analyzer/CommandSx6.h"

#include "analyzer/DryerLineParser.h"

namespace KD {
namespace Communication {

namespace {
const QString startLine = QStringLiteral("SS0");
const double leastInitialMass = 0.02;
} // namespace

CommandSx6::CommandSx6(QObject* parent) : Command(parent) { m_lines.reserve(BlockLines); }

bool CommandSx6::handleLine(QString line)
{
    if (isFinished())
        return false;
    if (!m_started) {
        if (line != startLine)
            return false;
        m_started = true;
        m_lines.append(line);
        m_lineCount = 1;
        return true;
    }
    // Every line of a started block belongs to it, whatever it holds.
    m_lines.append(line);
    ++m_lineCount;
    if (m_lineCount >= BlockLines)
        setFinished();
    return true;
}

QString CommandSx6::text() { return QStringLiteral("Sx6\r\n"); }

void CommandSx6::reset()
{
    m_lines.clear();
    m_lineCount = 0;
    m_started = false;
    Command::reset();
}

int CommandSx6::interval() const
{
    if (m_lines.size() < BlockLines)
        return 0;
    QString line = m_lines.at(4);
    line.remove(QLatin1Char('s'), Qt::CaseSensitive);
    bool ok = false;
    const int seconds = line.trimmed().toInt(&ok, 10);
    return ok ? seconds : 0;
}

Measurement CommandSx6::initialMeasurement() const
{
    Measurement m;
    if (m_lines.size() < BlockLines)
        return m;
    if (!DryerLineParser::parseMeasurement(m_lines.at(5), m))
        return Measurement();
    return m;
}

bool CommandSx6::massOk() const
{
    if (!isFinished() || m_lines.size() < BlockLines)
        return false;
    // The float is widened before the comparison, so a reading of exactly
    // 0.02 falls just below the limit.
    return double(initialMeasurement().value) >= leastInitialMass;
}

} // namespace Communication
} // namespace KD
