#include "analyzer/ErrorToStr.h"

#include "analyzer/CommandCodes.h"
#include "analyzer/CommandsDescProvider.h"
#include "analyzer/OperationError.h"

namespace KD {
namespace Communication {

namespace {
const int reasonMassTooSmall = 7;
} // namespace

ErrorToStr::ErrorToStr(QObject* parent) : QObject(parent) { }

QString ErrorToStr::operationText(int operation) const
{
    switch (operation) {
    case 1: return tr("Writing current settings");
    case 2: return tr("Reading current settings");
    case 3: return tr("Writing to slot");
    case 4: return tr("Reading from slot");
    case 5: return tr("Moving settings to slot");
    case 6: return tr("Moving settings from slot");
    case 7: return tr("Mass is too small. Cannot start drying.");
    case 8: return tr("Drying process start");
    case 9: return tr("Drying process stop");
    default: return QString();
    }
}

QString ErrorToStr::stepText(int step) const
{
    switch (step) {
    case 1:
    case 2:
    case 5:
    case 6:
    case 7: return operationText(step);
    default: return QString();
    }
}

QString ErrorToStr::commandMnemonic(int code)
{
    // The start and stop lines have no value part, so no wire mnemonic.
    if (code == Code::StartDrying)
        return QStringLiteral("SX6");
    if (code == Code::StopDrying)
        return QStringLiteral("SX7");
    return wireMnemonic(code).toUpper();
}

QString ErrorToStr::errorReport(const OperationError& error) const
{
    QString report = tr("An error ocurred!") + QStringLiteral("<br><br>") + tr("Operation")
                     + QStringLiteral(":<br><tt>") + operationText(error.operation())
                     + QStringLiteral("</tt>");
    if (error.hasStep()) {
        report += QStringLiteral("<br><br>")
                  + (error.step() == reasonMassTooSmall ? tr("Reason:") : tr("Step:"))
                  + QStringLiteral("<br><tt>") + stepText(error.step()) + QStringLiteral("</tt>");
    }
    if (error.hasCommand()) {
        report += QStringLiteral("<br><br>") + tr("Failed command: ") + QStringLiteral("<br><tt>")
                  + commandMnemonic(error.command()) + QStringLiteral("</tt>");
        const QString description = CommandsDescProvider().description(error.command());
        if (!description.isEmpty())
            report += QStringLiteral("<br><br>") + tr("Command description: ")
                      + QStringLiteral("<br>") + description;
    }
    return report;
}

} // namespace Communication
} // namespace KD
