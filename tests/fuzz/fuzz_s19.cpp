// A firmware file as the user picks it, through the S-record loader.

#include "analyzer/S19FirmwareFile.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/FileContents.h"

namespace {

// Reads the lines back through the image's cursor, as the uploader does;
// every one must be a record.
struct Image : S19FirmwareFile
{
    QByteArray joined()
    {
        QByteArray all;
        reset();
        do {
            fuzzCheck(isValidRecord(currentLine()), "an invalid record was kept");
            all += currentLine();
        } while (next());
        return all;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzSetUp();
    static const QString path = fuzzScratchPath(QStringLiteral("firmware.s19"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    fuzzCheck(writeFileContents(path, bytes), "cannot write the input");

    Image image;
    if (image.load(path)) {
        fuzzCheck(!image.isEmpty() && image.errorString().isEmpty(), "loaded but empty");
        // Nothing is lost, added or reordered: the bootloader gets the file as it is.
        fuzzCheck(image.joined() == bytes, "the image is not the file");
    } else {
        fuzzCheck(image.isEmpty() && !image.errorString().isEmpty(), "failed load keeps data");
    }
    return 0;
}
