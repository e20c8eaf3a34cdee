// A run file as the user picks it, through the run importer. What loads must
// save and load again, and a saved run must save as the same file.

#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/DryingRunFixture.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FileContents.h"
#include "tests/support/FixedPathCsvFiles.h"

#include <memory>

namespace {

struct Run
{
    explicit Run(const QString& path) : files(path) { }
    bool load()
    {
        return KD::Drying::TdCsvImporter(&files, f.deps.loaderErrorHandler(), &f.receiver,
                                         &f.contextSetter)
            .load();
    }
    bool save()
    {
        return KD::Drying::TdCsvExporter(f.deps.saverErrorHandler(), &files, &f.run,
                                         &f.contextGetter)
            .save();
    }
    FixedPathCsvFiles files;
    DryingRunFixture f;
};

} // namespace

// Saves what `from` holds to `path` and loads that into a new run.
std::unique_ptr<Run> saveAndLoad(Run& from, const QString& path)
{
    from.files = FixedPathCsvFiles(path);
    fuzzCheck(from.save(), "a loaded run does not save");
    auto to = std::make_unique<Run>(path);
    fuzzCheck(to->load(), "a saved run does not load");
    fuzzCheck(to->f.run.samplesCount() == from.f.run.samplesCount(), "records lost");
    return to;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzSetUp();
    static FakeMessageBoxPresenter boxes;
    static const QString input = fuzzScratchPath(QStringLiteral("input.csv"));
    static const QString first = fuzzScratchPath(QStringLiteral("first.csv"));
    static const QString second = fuzzScratchPath(QStringLiteral("second.csv"));
    static const QString third = fuzzScratchPath(QStringLiteral("third.csv"));
    boxes.clear(); // error boxes of bad files: their number would grow without end
    fuzzCheck(writeFileContents(input, QByteArray(reinterpret_cast<const char*>(data), int(size))),
              "cannot write the input");

    Run loaded(input);
    if (!loaded.load())
        return 0;
    // The file keeps six digits of a mass, so the first save may round what
    // was read; from then on saving and loading must change nothing.
    const std::unique_ptr<Run> once = saveAndLoad(loaded, first);
    const std::unique_ptr<Run> twice = saveAndLoad(*once, second);
    saveAndLoad(*twice, third);
    fuzzCheck(fileContents(second) == fileContents(third), "saving a saved run changes it");
    return 0;
}
