#pragma once

#include "drying/Context.h"
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

    void setVariant(int id, const QVariant& value) override;
    void setString(int id, const QString& text) override;
    QVariant toVariant(int id) const override;
    QString toString(int id) const override;

private:
    Context* m_context;
};

} // namespace RunContext
} // namespace Drying
} // namespace KD
