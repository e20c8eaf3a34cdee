// A parameter-set exchange file as the user picks it: JSON parsing, then the
// import of every set. What was imported must write out and read back as it is.

#include "settings/ProfilesImport.h"
#include "settings/ProfilesJsonWriter.h"
#include "tests/fuzz/FuzzSupport.h"

#include <QJsonDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzSetUp();
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size)));
    if (document.isNull())
        return 0;
    const QJsonObject root = document.object();
    ProfilesImport import;
    import.setRoot(&root);
    import.readProfilesJson();
    const QList<NamedDryingSettings> parsed = import.parsed();

    const QJsonObject written = ProfilesJsonWriter::writeProfilesJson(parsed);
    ProfilesImport again;
    again.setRoot(&written);
    fuzzCheck(again.readProfilesJson() == ProfilesImport::AllParsed,
              "written sets do not all read back");
    fuzzCheck(ProfilesJsonWriter::writeProfilesJson(again.parsed()) == written,
              "sets read back differ from those written");
    return 0;
}
