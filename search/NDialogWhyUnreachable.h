#pragma once

#include "communication/DevNetworkInterface.h"
#include "search/FreeIpChecker.h"

#include <QDialog>
#include <QList>

namespace Ui {
class NDialogWhyUnreachable;
}

namespace Common {
namespace VornModel {
class NVornAbstractItem;
class NVornIPLineItem;
} // namespace VornModel
} // namespace Common

// Explains why a LAN device cannot be reached and asks for the settings that
// would make it reachable, proposing a free address of the PC's subnet.
class NDialogWhyUnreachable : public QDialog
{
    Q_OBJECT

public:
    // Row ids; "Allowed values" has id + 1 and "New value" id + 2.
    enum Row {
        IpAddressRow = 10,
        RemoteIpRow = 20,
        ProtocolRow = 30,
        StaticDynamicRow = 40,
        NetmaskRow = 50
    };

    explicit NDialogWhyUnreachable(QWidget* parent = nullptr);
    ~NDialogWhyUnreachable() override;

    void fillRows(const QVector<int>& reasons,
                  const Common::Communication::DevNetworkInterface& settings);
    Common::Communication::DevNetworkInterface newSettings() const;

    Common::Communication::FreeIpChecker* freeIpChecker() { return &m_checker; }
    QList<int> rowIds() const { return m_ids; }
    // The "New value" item of a row, or none.
    Common::VornModel::NVornAbstractItem* newValueItem(int id) const;

public slots:
    void onIpCheckerFinished(bool success, uint ip);
    void done(int result) override;

protected:
    void changeEvent(QEvent* event) override;

private:
    void addParameterRow(int id, const QString& title, const QString& current,
                         const QString& allowed, const QString& newValue);
    void addStaticDynamicRow(bool dhcp);
    void addIpAddressRow(const Common::Communication::DevNetworkInterface& settings);
    void addNetmaskRow(const Common::Communication::DevNetworkInterface& settings);
    void setDhcpText();
    // Apply only once every address row holds a whole IPv4 address.
    void updateApply();

    Ui::NDialogWhyUnreachable* m_ui;
    QList<int> m_ids;
    QList<Common::VornModel::NVornAbstractItem*> m_items;
    Common::Communication::FreeIpChecker m_checker;
    Common::Communication::DevNetworkInterface m_settings;
    Common::VornModel::NVornIPLineItem* m_ipItem = nullptr;
    bool m_dhcpText = false;
};
