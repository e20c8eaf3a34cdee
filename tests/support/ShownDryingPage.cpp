#include "tests/support/ShownDryingPage.h"

#include <QCoreApplication>

ShownDryingPage::ShownDryingPage()
{
    tab->resize(1240, 760);
    tab->show();
    QCoreApplication::processEvents();
}
