#include "resources/Resources.h"

#include <QtGlobal>

void initSorvanaResources()
{
    Q_INIT_RESOURCE(pictures);
    Q_INIT_RESOURCE(schemas);
    Q_INIT_RESOURCE(i18n);
}
