#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

// Takes the pictures of one run of the tool: each window is shown, given time
// to lay itself out and paint, and saved as OUTDIR/NAME-LANGUAGE.png.
class ShotCamera
{
public:
    ShotCamera(QString folder, QString language);

    // Shows the window if it is hidden and waits until it is on screen, so a
    // shot can click in it before it is taken.
    static void show(QWidget* window);
    // Shows the window if it is hidden, lets it settle and saves it.
    bool take(QWidget* window, const QString& name);
    // Runs the event loop for a while, so that queued work and repaints happen.
    static void settle(int milliseconds = 150);
    QString language() const { return m_language; }
    int saved() const { return m_saved; }
    int failed() const { return m_failed; }

private:
    QString m_folder;
    QString m_language;
    int m_saved = 0;
    int m_failed = 0;
};

// The windows the tool knows. Each shots_*.cpp file registers its own with
// SORVANA_SHOT(name) { ... camera.take(&window, "name"); }; the tool runs
// every shot once per language, with that language's catalogue installed.
class ShotRegistry
{
public:
    using Shot = std::function<void(ShotCamera&)>;
    struct Entry
    {
        QString name;
        Shot shot;
    };
    struct Adder
    {
        Adder(const char* name, Shot shot);
    };
    static std::vector<Entry>& entries();
};

#define SORVANA_SHOT(name)                                                                         \
    static void sorvanaShot_##name(ShotCamera& camera);                                            \
    static const ShotRegistry::Adder sorvanaShotAdder_##name(#name, sorvanaShot_##name);           \
    static void sorvanaShot_##name(ShotCamera& camera)
