#pragma once

#include <QString>

class QSettings;

namespace Common {
namespace QSettingsUtils {

// Frame of every settings reader and writer: open the default store, note
// whether the group was there, enter it, operate, leave it.
class AbstractQSettingsOperation
{
public:
    explicit AbstractQSettingsOperation(const QString& group);
    virtual ~AbstractQSettingsOperation() = default;

    void run();
    // Meaningful only after run().
    bool groupExisted() const { return m_groupExisted; }

protected:
    virtual void operate(QSettings& settings) = 0;

private:
    QString m_group;
    bool m_groupExisted = false;
};

} // namespace QSettingsUtils
} // namespace Common
