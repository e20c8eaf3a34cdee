#pragma once

#include <QObject>

struct MessageBoxContext;

namespace KD {

// Tells the user about runs started on the analyzer's keyboard, about an
// operation that such a start aborted, and about the end of a run.
class DryingMessagesHandler : public QObject
{
    Q_OBJECT

public:
    explicit DryingMessagesHandler(MessageBoxContext* boxes, QObject* parent = nullptr);

public slots:
    void onDryingStart(bool isExternal, bool isIgnored, int interval);
    void onDestructiveStart(bool started);
    void onDryingEnd();

private:
    MessageBoxContext* m_boxes;
};

} // namespace KD
