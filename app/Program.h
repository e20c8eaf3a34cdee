#pragma once

#include <QString>

#include <memory>

class AppCore;
class CommunicationContext;
class MainWindow;
class QSettings;
class SearchFilters;

// Everything main builds once the application object exists, in start-up
// order, and its shut-down in the reverse order. The program, its tests and
// the start-up benchmark all build through it.
class Program
{
public:
    static constexpr int DatabaseFailure = 1;

    // The identity that places the settings and the data folder, the
    // "Version" stamp, the queued value types and the interface language
    // (chosen here, before any form exists).
    Program();
    // Closes the database and ends every thread, then destroys the window,
    // the product and the context; see shutDown.
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Opens or creates the parameter database in the local data folder. On
    // failure the user gets a warning and nothing more may be built.
    bool prepareDatabase();
    // The communication context, the product on it and the main window.
    void build();
    // Shows the window and runs the event loop; its result is the exit code.
    int run();

    QString language() const { return m_language; }
    CommunicationContext* communication() const { return m_context.get(); }
    AppCore* core() const { return m_core.get(); }
    MainWindow* window() const { return m_window.get(); }

private:
    void closeDatabase();
    bool stopThreads();
    void shutDown();
    [[noreturn]] void endLeavingThreadsRunning();

    std::unique_ptr<QSettings> m_settings;
    QString m_language;
    bool m_databaseOpen = false;
    // The event loop's result once run() returns; a program ended before
    // that failed.
    int m_exitCode = 1;
    std::unique_ptr<SearchFilters> m_searchFilters;
    std::unique_ptr<CommunicationContext> m_context;
    std::unique_ptr<AppCore> m_core;
    std::unique_ptr<MainWindow> m_window;
};
