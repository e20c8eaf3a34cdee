#include "ui/MessageBoxContext.h"

#include "ui/MessageBoxTrProvider.h"
#include "ui/QtMessageBoxPresenter.h"

namespace {

IMessageBoxPresenter* replacedPresenter = nullptr;

MessageBoxRequest request(const MessageBoxContext& context, const QString& text,
                          QMessageBox::Icon icon, Qt::TextFormat format,
                          QMessageBox::StandardButtons buttons)
{
    MessageBoxRequest r;
    r.title = context.title;
    r.text = text;
    r.icon = icon;
    r.textFormat = format;
    r.buttons = buttons;
    r.parent = context.parent;
    return r;
}

} // namespace

void MessageBoxContext::setPresenter(IMessageBoxPresenter* presenter)
{
    replacedPresenter = presenter;
}

IMessageBoxPresenter* MessageBoxContext::presenter()
{
    static QtMessageBoxPresenter real;
    return replacedPresenter ? replacedPresenter : &real;
}

bool MessageBoxContext::askYesNo(const QString& text, QMessageBox::Icon icon,
                                 Qt::TextFormat format) const
{
    MessageBoxRequest r = request(*this, text, icon, format, QMessageBox::Yes | QMessageBox::No);
    const Common::MessageBoxTrProvider texts;
    r.yesText = texts.text(Common::MessageBoxTrProvider::Yes);
    r.noText = texts.text(Common::MessageBoxTrProvider::No);
    return presenter()->present(r) == QMessageBox::Yes;
}

void MessageBoxContext::showBox(const QString& text, QMessageBox::Icon icon,
                                Qt::TextFormat format) const
{
    presenter()->present(request(*this, text, icon, format, QMessageBox::Ok));
}

bool MessageBoxContext::askWarning(const QString& text, Qt::TextFormat format) const
{
    return askYesNo(text, QMessageBox::Warning, format);
}

bool MessageBoxContext::askQuestion(const QString& text, Qt::TextFormat format) const
{
    return askYesNo(text, QMessageBox::Question, format);
}

void MessageBoxContext::showWarning(const QString& text, Qt::TextFormat format) const
{
    showBox(text, QMessageBox::Warning, format);
}

void MessageBoxContext::showCritical(const QString& text, Qt::TextFormat format) const
{
    showBox(text, QMessageBox::Critical, format);
}

void MessageBoxContext::showInformation(const QString& text, Qt::TextFormat format) const
{
    showBox(text, QMessageBox::Information, format);
}
