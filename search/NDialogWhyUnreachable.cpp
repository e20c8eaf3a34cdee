#include "search/NDialogWhyUnreachable.h"

#include "ui/NVornIPLineItem.h"
#include "ui/NVornListItem.h"
#include "ui/NVornModelView.h"

#include "ui_NDialogWhyUnreachable.h"

#include <QHostAddress>

using Common::Communication::DevNetworkInterface;
using namespace Common::VornModel;

namespace {

QString dotted(quint32 address) { return QHostAddress(address).toString(); }

bool isIpv4(const QString& text)
{
    return QHostAddress(text).protocol() == QAbstractSocket::IPv4Protocol;
}

} // namespace

NDialogWhyUnreachable::NDialogWhyUnreachable(QWidget* parent)
    : QDialog(parent), m_ui(new Ui::NDialogWhyUnreachable)
{
    m_ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(m_ui->pbCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->pbApply, &QPushButton::clicked, this, &QDialog::accept);
    connect(&m_checker, &Common::Communication::FreeIpChecker::finished, this,
            &NDialogWhyUnreachable::onIpCheckerFinished);
    connect(m_ui->parameters->model(), &QStandardItemModel::itemChanged, this,
            &NDialogWhyUnreachable::updateApply);
    updateApply();
}

NDialogWhyUnreachable::~NDialogWhyUnreachable() { delete m_ui; }

void NDialogWhyUnreachable::fillRows(const QVector<int>& reasons,
                                     const DevNetworkInterface& settings)
{
    m_settings = settings;
    m_ipItem = nullptr;
    for (int reason : reasons) {
        bool stop = false;
        switch (reason) {
        case 0:
        case 1:
            setDhcpText();
            addStaticDynamicRow(settings.isDhcp());
            addIpAddressRow(settings);
            stop = true;
            break;
        case 2: addIpAddressRow(settings); break;
        case 3:
            setDhcpText();
            addStaticDynamicRow(settings.isDhcp());
            addNetmaskRow(settings);
            addIpAddressRow(settings);
            break;
        case 4:
            if (settings.netmask().toIPv4Address() != settings.hostNetmask())
                addNetmaskRow(settings);
            addIpAddressRow(settings);
            break;
        case 5:
            addParameterRow(RemoteIpRow, tr("Remote IP"), settings.remoteIp().toString(),
                            settings.hostIp().toString(), settings.hostIp().toString());
            break;
        case 6:
            addParameterRow(ProtocolRow, tr("Protocol"),
                            settings.transportProtocol() == 2 ? "UDP" : "TCP", "TCP", QString());
            break;
        default: break;
        }
        if (stop)
            break;
    }
    m_checker.setHostIp(settings.hostIp().toIPv4Address());
    m_checker.setNetmask(settings.hostNetmask());
    m_checker.start();
    updateApply();
}

void NDialogWhyUnreachable::setDhcpText()
{
    m_dhcpText = true;
    m_ui->label->setText(tr("It looks like device IP address (obtained from DHCP server) is not "
                            "reachable.\n\r\n\r"
                            "You can either\n\r  Click CANCEL and correct DHCP server "
                            "settings\n\ror\n\r"
                            "  Switch to static IP by changing following settings:"));
}

void NDialogWhyUnreachable::addParameterRow(int id, const QString& title, const QString& current,
                                            const QString& allowed, const QString& newValue)
{
    NVornModelView* table = m_ui->parameters;
    table->addTitle(title);
    auto* currentItem = new NVornLineItem(id, current);
    auto* allowedItem = new NVornLineItem(id + 1, allowed);
    table->addItem(tr("Current value"), currentItem);
    table->addItem(tr("Allowed values"), allowedItem);
    table->disableItem(id);
    table->disableItem(id + 1);
    NVornAbstractItem* item = nullptr;
    if (id == ProtocolRow)
        item = new NVornListItem(id + 2, QStringList{"TCP"}, 0);
    else if (id == StaticDynamicRow)
        item = new NVornListItem(id + 2, QStringList{tr("Static"), tr("Dynamic")}, 0);
    else
        item = new NVornIPLineItem(id + 2, newValue, id == NetmaskRow);
    table->addItem(tr("New value"), item);
    m_ids.append(id);
    m_items.append(item);
    if (id == IpAddressRow)
        m_ipItem = static_cast<NVornIPLineItem*>(item);
}

void NDialogWhyUnreachable::addStaticDynamicRow(bool dhcp)
{
    addParameterRow(StaticDynamicRow, tr("Static/Dynamic"), dhcp ? tr("Dynamic") : tr("Static"),
                    tr("Static/Dynamic"), QString());
}

void NDialogWhyUnreachable::addIpAddressRow(const DevNetworkInterface& settings)
{
    const quint32 network = settings.hostIp().toIPv4Address() & settings.hostNetmask();
    const QString allowed =
        dotted(network + 1) + " - " + dotted(network - settings.hostNetmask() - 2);
    addParameterRow(IpAddressRow, tr("IP Address"), settings.deviceIp().toString(), allowed,
                    QString());
}

void NDialogWhyUnreachable::addNetmaskRow(const DevNetworkInterface& settings)
{
    addParameterRow(NetmaskRow, tr("Netmask"), settings.netmask().toString(),
                    dotted(settings.hostNetmask()), dotted(settings.hostNetmask()));
}

NVornAbstractItem* NDialogWhyUnreachable::newValueItem(int id) const
{
    const int index = m_ids.indexOf(id);
    return index < 0 ? nullptr : m_items.at(index);
}

void NDialogWhyUnreachable::onIpCheckerFinished(bool success, uint ip)
{
    // A value the user typed is never overwritten.
    if (success && m_ipItem && !m_ui->parameters->isEditing()
        && m_ipItem->value().toString().isEmpty())
        m_ipItem->setAddress(ip);
}

DevNetworkInterface NDialogWhyUnreachable::newSettings() const
{
    DevNetworkInterface settings = m_settings;
    for (int i = 0; i < m_ids.size(); ++i) {
        const QVariant value = m_items.at(i)->value();
        switch (m_ids.at(i)) {
        case IpAddressRow: settings.setDeviceIp(QHostAddress(value.toString())); break;
        case RemoteIpRow: settings.setRemoteIp(QHostAddress(value.toString())); break;
        case ProtocolRow: settings.setTransportProtocol(1); break;
        case StaticDynamicRow: settings.setDhcp(value.toInt() == 1); break;
        case NetmaskRow: settings.setNetmask(QHostAddress(value.toString())); break;
        default: break;
        }
    }
    return settings;
}

void NDialogWhyUnreachable::updateApply()
{
    bool whole = true;
    for (int i = 0; i < m_ids.size(); ++i) {
        const int id = m_ids.at(i);
        if (id == IpAddressRow || id == RemoteIpRow || id == NetmaskRow)
            whole = whole && isIpv4(m_items.at(i)->value().toString());
    }
    m_ui->pbApply->setEnabled(whole);
}

void NDialogWhyUnreachable::done(int result)
{
    // No more pings once the user has decided.
    m_checker.stop();
    QDialog::done(result);
}

void NDialogWhyUnreachable::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        if (m_dhcpText)
            setDhcpText();
    }
}
