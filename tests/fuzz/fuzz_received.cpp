// Bytes from a device through the command engine's receive path: decoding,
// CR LF framing, the line length limit and the analyzer's line parser.
//
// The first byte sets the size of the chunks the transport hands over, the
// second the line length limit of a third engine; the rest is the stream. A
// long stream comes in at most 16 chunks: each is a read, and a megabyte
// read byte by byte would cost the fuzzer its speed for no new path.

#include "analyzer/DryerLineParser.h"
#include "communication/CommnadEngine.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/MemoryInterface.h"

#include <qnumeric.h>

namespace {

struct Lines : Common::Communication::ILineHandler
{
    bool handleLine(QString line) override
    {
        fuzzCheck(!line.contains(QLatin1String("\r\n")), "a handed-on line holds a line end");
        lines.append(line);
        Measurement m;
        if (KD::Communication::DryerLineParser::parseMeasurement(line, m))
            fuzzCheck(qIsFinite(m.value), "a parsed measurement is not finite");
        parser.handleLine(line);
        return true;
    }
    QStringList lines;
    KD::Communication::DryerLineParser parser;
};

// Every line the engine hands on for the stream, fed in chunks of `chunk`.
QStringList received(const QByteArray& stream, int chunk, int maxLineLength = 0)
{
    Common::Communication::CommnadEngine engine;
    auto* iface = new MemoryInterface; // the engine owns it
    engine.setInterface(iface);
    if (maxLineLength > 0)
        engine.setMaxLineLength(maxLineLength);
    Lines lines;
    engine.setLineHandler(&lines);
    for (int at = 0; at < stream.size(); at += chunk)
        iface->feed(stream.mid(at, chunk));
    return lines.lines;
}

QStringList withoutReplacements(QStringList lines)
{
    for (QString& line : lines)
        line.remove(QChar::ReplacementCharacter);
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzSetUp();
    if (size < 2)
        return 0;
    const int maxLineLength = 1 + data[1] % 128;
    const QByteArray stream(reinterpret_cast<const char*>(data) + 2, int(size) - 2);
    const int chunk = qMax(1 + data[0] % 64, int(stream.size()) / 16 + 1);

    const QStringList whole = received(stream, qMax(1, int(stream.size())));
    const QStringList chunked = received(stream, chunk);
    // A zero byte ends the text of its read, and a line beyond the limit is
    // dropped when it is seen, so only then may the cut make a difference.
    // Qt's decoder may give a broken UTF-8 sequence one replacement character
    // or several, depending on the cut: the lines are the same without them.
    if (!stream.contains('\0')
        && stream.size() < Common::Communication::CommnadEngine::kDefaultMaxLineLength)
        fuzzCheck(withoutReplacements(whole) == withoutReplacements(chunked),
                  "lines depend on how the stream was cut");
    received(stream, chunk, maxLineLength);
    return 0;
}
