// A run file as the user picks it, through the run importer. What loads must
// save and load again, and a saved run must save as the same file. The files
// are kept in memory: the loader reads them through a buffer as it reads a
// file, and the disk would cost more than everything else.

#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/DryingRunFixture.h"
#include "tests/support/FakeMessageBoxPresenter.h"
#include "tests/support/MemoryCsvFiles.h"

#include <memory>

namespace {

struct Run
{
    explicit Run(const QByteArray& bytes = QByteArray()) : files(bytes) { }
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
    MemoryCsvFiles files;
    DryingRunFixture f;
};

} // namespace

// Loads what `from` last saved into a new run.
std::unique_ptr<Run> loadSaved(const Run& from)
{
    auto to = std::make_unique<Run>(from.files.bytes());
    fuzzCheck(to->load(), "a saved run does not load");
    fuzzCheck(to->f.run.samplesCount() == from.f.run.samplesCount(), "records lost");
    return to;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzSetUp();
    static FakeMessageBoxPresenter boxes;
    boxes.clear(); // error boxes of bad files: their number would grow without end

    Run loaded(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    if (!loaded.load())
        return 0;
    // The file keeps six digits of a mass, so the first save may round what
    // was read; from then on saving and loading must change nothing.
    fuzzCheck(loaded.save(), "a loaded run does not save");
    const std::unique_ptr<Run> once = loadSaved(loaded);
    fuzzCheck(once->save(), "a loaded run does not save");
    // Loading and saving are functions of the bytes: a first save that saves
    // as itself is the fixed point already, and a third round would repeat
    // the second.
    if (once->files.bytes() == loaded.files.bytes())
        return 0;
    const std::unique_ptr<Run> twice = loadSaved(*once);
    fuzzCheck(twice->save(), "a loaded run does not save");
    fuzzCheck(once->files.bytes() == twice->files.bytes(), "saving a saved run changes it");
    return 0;
}
