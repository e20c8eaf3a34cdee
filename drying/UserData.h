#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace KD {
namespace Drying {

// What the user types or picks for a run's report and file: the first nine
// values of the run context.
struct UserData
{
    QString author;
    QString title;
    QString introduction;
    QString summary;
    QString header;
    QString footer;
    QString product;
    QDate date;
    QTime time;

    bool operator==(const UserData& other) const;
    bool operator!=(const UserData& other) const { return !(*this == other); }
};

} // namespace Drying
} // namespace KD
