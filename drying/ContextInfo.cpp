#include "drying/ContextInfo.h"

#include "drying/ContextValue.h"

#include <QVector>

namespace KD {
namespace Drying {
namespace RunContext {

namespace {

struct Keys
{
    const char* settings;
    const char* csv;
    const char* report;
};

// Indexed by value id; the last row stands for every unknown id.
const Keys keyTable[] = {
    {"Author", "Author", "Author"},
    {"Title", "Title", "Title"},
    {"Introduction", "Introduction", "Introduction"},
    {"Summary", "Summary", "Summary"},
    {"Header", "Header", "Header"},
    {"Footer", "Footer", "Footer"},
    {"Product", "Product", "Product"},
    {"Date", "Date", "Date"},
    {"Time", "Time", "Time"},
    {"Plot", "", "Chart"},
    {"Data", "", "Data"},
    {"SamplesCnt", "SamplesCount", "Samples quantity"},
    {"MassInitial", "", "Initial mass"},
    {"MassFinal", "", "Final mass"},
    {"CalcFormula", "Formula", "Formula"},
    {"StartTime", "StartTime", "Start time"},
    {"EndTime", "EndTime", "End time"},
    {"", "", ""},
};

constexpr int idCount = EndTime + 1;

int keyRow(int id) { return (id >= 0 && id < idCount) ? id : idCount; }

const Keys& keys(int id) { return keyTable[keyRow(id)]; }

} // namespace

QList<int> ContextInfo::valueIds() const
{
    QList<int> ids;
    for (int id = 0; id < idCount; ++id) {
        if (id != Plot && id != Data)
            ids.append(id);
    }
    return ids;
}

QList<int> ContextInfo::allIds() const
{
    QList<int> ids;
    for (int id = 0; id < idCount; ++id)
        ids.append(id);
    return ids;
}

QString ContextInfo::settingsKey(int id) const { return QLatin1String(keys(id).settings); }

QSet<int> ContextInfo::defaultChecked() const { return {Author, Title, Plot, Data}; }

QSet<int> ContextInfo::storedValueIds() const
{
    return {Author, Title, Introduction, Summary, Header, Footer, Product};
}

int ContextInfo::timeId() const { return Time; }

int ContextInfo::dateId() const { return Date; }

QString ContextInfo::checkGroup() const { return QStringLiteral("RunCtxPdf"); }

QString ContextInfo::valuesGroup() const { return QStringLiteral("RunCtxValues"); }

QString ContextInfo::csvKey(int id) const
{
    // Made once: every load and save of a run file looks up each key.
    static const QVector<QString> csvKeys = [] {
        QVector<QString> texts;
        for (const Keys& row : keyTable)
            texts.append(QLatin1String(row.csv));
        return texts;
    }();
    return csvKeys.at(keyRow(id));
}

QString ContextInfo::reportName(int id) const { return QLatin1String(keys(id).report); }

QList<int> ContextInfo::csvOrder() const
{
    return {Author, Product, Title,        Introduction, Summary,   Header, Footer,
            Time,   Date,    SamplesCount, Formula,      StartTime, EndTime};
}

} // namespace RunContext
} // namespace Drying
} // namespace KD
