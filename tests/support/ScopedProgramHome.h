#pragma once

#include "tests/support/ScopedTestSettings.h"

#include <QSettings>
#include <QTemporaryDir>

// Everything the program keeps for a test that builds it whole: empty
// settings with English chosen, and an empty local data folder (where the
// database goes), both temporary.
struct ScopedProgramHome
{
    ScopedProgramHome()
    {
        qputenv("XDG_DATA_HOME", data.path().toUtf8());
        QSettings().setValue("Translation", "english");
    }

    ScopedTestSettings settings;
    QTemporaryDir data;
};
