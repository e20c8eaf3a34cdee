#pragma once

#include <qwt_scale_draw.h>

#include <QTime>

namespace Common {
namespace Widgets {

// Labels a scale of milliseconds as times of day from a base time.
class TimeScaleDraw : public QwtScaleDraw
{
public:
    TimeScaleDraw(const QTime& base, const QString& format);

    QwtText label(double value) const override;

    // Hours in front of every label (the run has passed one hour).
    void setShowHours(bool show);
    bool showHours() const { return m_showHours; }

private:
    QTime m_base;
    QString m_format;
    bool m_showHours = false;
};

} // namespace Widgets
} // namespace Common
