#pragma once

#include <QStringList>

class VornContextMenu;

// The terminal page's ready-made commands: the twelve default command rows
// and the right-click menu that fills a row with one of them.
class TerminalCommandMenu
{
public:
    static QStringList defaultCommands();
    // Labels in the language active now; the page becomes the menu's owner.
    static VornContextMenu* createMenu();
};
