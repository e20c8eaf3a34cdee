#pragma once

#include "communication/Command.h"

namespace Common {
namespace Communication {

// A fixed line with a fixed reply, or with no reply at all.
class CommandSimple : public Command
{
    Q_OBJECT

public:
    explicit CommandSimple(bool noReply = false, QObject* parent = nullptr);

    void setText(const QString& text) { m_line = text; }
    void setExpectedReply(const QString& reply) { m_expectedReply = reply; }

    bool handleLine(QString line) override;
    QString text() override;
    void onSent() override;

private:
    bool m_noReply = false;
    QString m_expectedReply;
    QString m_line;
};

} // namespace Communication
} // namespace Common
