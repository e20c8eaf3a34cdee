#pragma once

class QDialog;

// Runs one of the program's own modal dialogs and returns its result code
// (QDialog::Accepted or Rejected). The program runs exec(); tests script the
// result and may act on the dialog first.
class IDialogRunner
{
public:
    virtual ~IDialogRunner() = default;
    virtual int run(QDialog& dialog) = 0;
};
