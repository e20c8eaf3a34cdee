#pragma once

class CInterface;

namespace Common {
namespace Communication {
class ConnectionInfo;
class ServersManager;
} // namespace Communication
} // namespace Common

// Builds the transport a connection record asks for.
class InterfaceFactory
{
public:
    void setServersManager(Common::Communication::ServersManager* manager) { m_manager = manager; }

    // A new transport without parent; null for an empty record, or for a
    // server record while no servers manager is set.
    CInterface* create(const Common::Communication::ConnectionInfo& info) const;

private:
    Common::Communication::ServersManager* m_manager = nullptr;
};
