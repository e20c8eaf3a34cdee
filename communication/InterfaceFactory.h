#pragma once

class CInterface;

namespace Common {
namespace Communication {
class ConnectionInfo;
class ServersManager;
} // namespace Communication
} // namespace Common

// Builds the transport a connection record asks for. Tests hand in their own
// to connect over transports without a device.
class InterfaceFactory
{
public:
    virtual ~InterfaceFactory() = default;

    void setServersManager(Common::Communication::ServersManager* manager) { m_manager = manager; }

    // A new transport without parent; null for an empty record, or for a
    // server record while no servers manager is set.
    virtual CInterface* create(const Common::Communication::ConnectionInfo& info) const;

private:
    Common::Communication::ServersManager* m_manager = nullptr;
};
