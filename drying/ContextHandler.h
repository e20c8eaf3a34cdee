#pragma once

#include <array>
#include <memory>

#include "drying/Context.h"
#include "drying/IDataHandler.h"
#include "drying/IRunContextHandler.h"

namespace KD {
namespace Drying {
namespace RunContext {

// Reads and writes one context record it does not own; the record must
// outlive the handler.
class ContextHandler : public Common::IRunContextHandler
{
public:
    explicit ContextHandler(Context* context);
    ~ContextHandler() override;

    ContextHandler(const ContextHandler&) = delete;
    ContextHandler& operator=(const ContextHandler&) = delete;

    void setVariant(int id, const QVariant& value) override;
    void setString(int id, const QString& text) override;
    QVariant toVariant(int id) const override;
    QString toString(int id) const override;

private:
    static constexpr int idCount = 17;

    Context* m_context;
    // One handler per value id, none for the plot and data switches.
    std::array<std::unique_ptr<Common::DataHandlers::IDataHandler<QString>>, idCount>
        m_stringHandlers;
    std::array<std::unique_ptr<Common::DataHandlers::IDataHandler<QVariant>>, idCount>
        m_variantHandlers;
};

} // namespace RunContext
} // namespace Drying
} // namespace KD
