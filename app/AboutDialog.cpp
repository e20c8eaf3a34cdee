#include "app/AboutDialog.h"

#include "ui_AboutDialog.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QSettings>

namespace Common {

namespace {
const char* const qwtAddress = "https://qwt.sourceforge.io";
const char* const logoPath = ":/logo.svg";
const QLatin1String lineBreaks("<br><br>");
} // namespace

QString htmlLink(const QString& url) { return QStringLiteral("<a href=\"%1\">%1</a>").arg(url); }

QString htmlMailLink(const QString& address)
{
    return QStringLiteral("<a href=\"mailto:%1\">%1</a>").arg(address);
}

AboutDialog::AboutDialog(const TranslationHandle& description, QWidget* parent)
    : QDialog(parent), m_ui(new Ui::AboutDialog), m_description(description)
{
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    QPalette background = palette();
    background.setColor(QPalette::All, QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
    fillContent();
    connect(m_ui->okButton, &QPushButton::clicked, this, &AboutDialog::onOkClicked);
}

AboutDialog::~AboutDialog() = default;

QString AboutDialog::infoText() const { return m_ui->labelInfo->text(); }

void AboutDialog::onOkClicked() { accept(); }

void AboutDialog::fillContent()
{
    const QString name = QCoreApplication::applicationName();
    const QString version = QSettings().value(QStringLiteral("Version")).toString();
    setWindowTitle(tr("About") + QLatin1Char(' ') + name);

    QString info = QStringLiteral("<b><big>") + tr("About") + QLatin1Char(' ') + name
                   + QStringLiteral("</big></b>");
    info += lineBreaks + tr("Version") + QLatin1Char(' ') + version;
    info += lineBreaks + m_description.text();
    info += lineBreaks + name + QLatin1Char(' ')
            + tr("is based in part on the work of the Qwt project") + QStringLiteral(":<br>")
            + htmlLink(QString::fromLatin1(qwtAddress));
    info += lineBreaks + name + QLatin1Char(' ') + tr("uses Qt under LGPLv3 license:")
            + QStringLiteral("<br>") + tr("<tt>{Install Location}/licenses/Qt_license.txt</tt>");
    info += lineBreaks + tr("More information about Qt:") + QStringLiteral("<br>")
            + tr("<tt>About > About Qt</tt>");
    info += QStringLiteral("<br><hr>");

    m_ui->labelInfo->setText(info);
    QFont font(QStringLiteral("Segoe UI"));
    font.setPointSize(9);
    m_ui->labelInfo->setFont(font);
    m_ui->labelInfo->setOpenExternalLinks(true);

    m_ui->sideColumn->hide();
    // Rendered at the screen's pixel ratio so the logo stays sharp on high-DPI screens.
    const qreal ratio = devicePixelRatioF();
    QPixmap logo =
        QIcon(QString::fromLatin1(logoPath))
            .pixmap(QSize(100, 100) * ratio)
            .scaled(QSize(100, 100) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    logo.setDevicePixelRatio(ratio);
    m_ui->labelLogoBottom->setPixmap(logo);
    m_ui->labelLogoBottom->show();
}

} // namespace Common
