#pragma once

#include "ui/TranslationHandle.h"

#include <QDialog>
#include <QScopedPointer>

namespace Common {

namespace Ui {
class AboutDialog;
}

// "<a href="url">url</a>"
QString htmlLink(const QString& url);
// "<a href="mailto:address">address</a>"
QString htmlMailLink(const QString& address);

// Name, version, the descriptive text and the libraries the program uses.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    AboutDialog(const TranslationHandle& description, QWidget* parent = nullptr);
    ~AboutDialog() override;

    // The rich text of the info label.
    QString infoText() const;

public slots:
    void onOkClicked();

private:
    void fillContent();

    QScopedPointer<Ui::AboutDialog> m_ui;
    TranslationHandle m_description;
};

} // namespace Common
