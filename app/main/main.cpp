#include "app/Program.h"
#include "app/TerminationSignals.h"
#include "resources/Resources.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    initSorvanaResources();
    QApplication application(argc, argv);
    // A termination request closes the window as the user would.
    closeWindowsOnTerminationSignals();
    Program program;
    if (!program.prepareDatabase())
        return Program::DatabaseFailure;
    program.build();
    return program.run();
}
