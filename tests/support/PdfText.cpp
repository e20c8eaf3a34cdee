#include "tests/support/PdfText.h"

#include <QProcess>

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool pdfFirstPageToPng(const QString& pdf, const QString& pngBase)
{
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("80"),
                   QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                   QStringLiteral("1"), QStringLiteral("-singlefile"), pdf, pngBase});
    return process.waitForFinished(60000) && process.exitCode() == 0;
}
