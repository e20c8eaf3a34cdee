#include "settings/CalcFormula.h"

namespace CalcFormula {

namespace {

const char* const names[] = {"(m0-mn)/m0", "(m0-mn)/mn", "(mn/m0)"};

// Both directions of the device numbering are the same swap of 1 and 2.
int swapOneAndTwo(int value)
{
    switch (value) {
    case 1: return 2;
    case 2: return 1;
    default: return 0;
    }
}

} // namespace

QString name(int formula, bool withPercent)
{
    if (formula < 0 || formula > 2)
        return QString();
    QString text = QLatin1String(names[formula]);
    if (withPercent)
        text += QLatin1String(" *100%");
    return text;
}

QString nameOrUnknown(int formula)
{
    const QString text = name(formula, false);
    return text.isEmpty() ? QStringLiteral("Unknown") : text;
}

Type fromName(const QString& text)
{
    for (int f = 0; f < 3; ++f) {
        if (text == QLatin1String(names[f]))
            return static_cast<Type>(f);
    }
    return Unknown;
}

int toIndex(int formula) { return swapOneAndTwo(formula); }

Type fromIndex(int index) { return static_cast<Type>(swapOneAndTwo(index)); }

QString htmlLabel(int key)
{
    switch (key) {
    case 1: return QStringLiteral("(m<sub>0</sub>-m<sub>n</sub>)/(m<sub>0</sub>) *100%");
    case 0: return QStringLiteral("(m<sub>0</sub>-m<sub>n</sub>)/(m<sub>n</sub>) *100%");
    case 2: return QStringLiteral("(m<sub>n</sub>/m<sub>0</sub>) *100%");
    default: return QString();
    }
}

Type defaultValue() { return M0MinusMnOverM0; }

bool isMnOverM0(int formula) { return formula == MnOverM0; }

} // namespace CalcFormula
