// A run file as the user picks it, through the run importer. What loads must
// save and load again, and saving that gives the same file.

#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/DryingRunFixture.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/FileContents.h"
#include "tests/support/FixedPathCsvFiles.h"

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

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzSetUp();
    static FakeMessageBoxPresenter boxes;
    static const QString input = fuzzScratchPath(QStringLiteral("input.csv"));
    static const QString first = fuzzScratchPath(QStringLiteral("first.csv"));
    static const QString second = fuzzScratchPath(QStringLiteral("second.csv"));
    boxes.clear(); // error boxes of bad files: their number would grow without end
    fuzzCheck(writeFileContents(input, QByteArray(reinterpret_cast<const char*>(data), int(size))),
              "cannot write the input");

    Run loaded(input);
    if (!loaded.load())
        return 0;
    Run saved(first);
    loaded.files = FixedPathCsvFiles(first);
    fuzzCheck(loaded.save(), "a loaded run does not save");
    fuzzCheck(saved.load(), "a saved run does not load");
    fuzzCheck(saved.f.run.samplesCount() == loaded.f.run.samplesCount(), "records lost");
    saved.files = FixedPathCsvFiles(second);
    fuzzCheck(saved.save(), "a reloaded run does not save");
    fuzzCheck(fileContents(first) == fileContents(second), "saving a saved run changes it");
    return 0;
}
