#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QToolButton;
class VornContextMenu;

namespace Ui {
class VornCommandWidget;
}

// One command row of the terminal page: the command line, the "CR/LF" switch
// and the send button. The line's right-click menu fills in ready-made
// commands.
class VornCommandWidget : public QWidget
{
    Q_OBJECT

public:
    VornCommandWidget(QWidget* parent, VornContextMenu* menu);
    ~VornCommandWidget() override;

    void setText(const QString& text);
    QString text() const;
    void setCrlfChecked(bool checked);

    QLineEdit* commandEdit() const;
    QCheckBox* crlfBox() const;
    QToolButton* sendButton() const;

signals:
    void sendString(QString str);

public slots:
    void showContextMenu(const QPoint& pos);
    void sendClicked();

private:
    Ui::VornCommandWidget* m_ui;
    VornContextMenu* m_menu;
};
