#pragma once

class IDialogRunner;
class QDialog;

// Where the program's modal dialogs are run: by exec() unless a test has put
// its own runner in place.
class DialogRunner
{
public:
    static int run(QDialog& dialog);
    // nullptr restores the real runner.
    static void setRunner(IDialogRunner* runner);
    static IDialogRunner* runner();
};
