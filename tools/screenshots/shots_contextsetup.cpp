// The run context set-up dialog with a filled-in context.
#include "ShotRegistry.h"

#include "drying/Context.h"
#include "drying/ContextHandler.h"
#include "drying/ContextSetup.h"
#include "drying/ContextValue.h"
#include "drying/PdfContextTranslator.h"
#include "drying/PdfTranslatorInfo.h"
#include "drying/TemplatedCheckedValuesHandler.h"
#include "drying/ValueIntConverter.h"

#include <QSet>

SORVANA_SHOT(contextsetup)
{
    using namespace KD::Drying::RunContext;
    using CheckedHandler = Common::RunContext::TemplatedCheckedValuesHandler<
        ContextValue, Common::RunContext::ValueIntConverter<ContextValue>>;
    Context context;
    QSet<int> checked;
    ContextHandler handler(&context);
    CheckedHandler checkedHandler(&checked);
    PdfTranslatorInfo info;
    context.author = QStringLiteral("A. Nowak");
    context.title = QStringLiteral("Moisture of wheat flour");
    context.product = QStringLiteral("Wheat flour, batch 12");
    context.date = QDate(2024, 3, 5);
    Common::RunContext::PdfContextTranslator translator(&checkedHandler, &handler, &info);
    Common::UI::ContextSetup dialog;
    dialog.setTranslator(&translator);
    camera.take(&dialog, "contextsetup");
}
