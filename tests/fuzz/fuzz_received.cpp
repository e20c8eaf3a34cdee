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

// The analyzer's parser on the received lines: every measurement the program
// takes from a line must be a number.
struct Parser
{
    Parser()
    {
        using KD::Communication::DryerLineParser;
        QObject::connect(&parser, &DryerLineParser::recordAppeared, &parser,
                         [](const Measurement& m) {
                             fuzzCheck(qIsFinite(m.value), "a measurement is not finite");
                         });
        QObject::connect(&parser, &DryerLineParser::dryingStart, &parser,
                         [](bool, const Measurement& initial, int) {
                             fuzzCheck(qIsFinite(initial.value), "an initial mass is not finite");
                         });
    }
    KD::Communication::DryerLineParser parser;
};

// Keeps the lines and hands them to the parser, when there is one.
struct Lines : Common::Communication::ILineHandler
{
    explicit Lines(Parser* parser) : parser(parser) { }
    bool handleLine(QString line) override
    {
        fuzzCheck(!line.contains(QLatin1String("\r\n")), "a handed-on line holds a line end");
        lines.append(line);
        if (parser)
            parser->parser.handleLine(line);
        return true;
    }
    Parser* parser;
    QStringList lines;
};

// One engine and transport for each way of reading, made once: making them
// costs more than reading a short stream. Each stream comes through a new
// connection, which leaves the engine as new: no unfinished line, no skipped
// one, no half-decoded character.
struct Reading
{
    Reading() { engine.setInterface(iface); } // the engine owns it
    // Every line the engine hands on for the stream, fed in chunks of `chunk`.
    QStringList received(const QByteArray& stream, int chunk, int maxLineLength,
                         Parser* parser = nullptr)
    {
        engine.openInterface();
        engine.setMaxLineLength(maxLineLength);
        Lines lines(parser);
        engine.setLineHandler(&lines);
        for (int at = 0; at < stream.size(); at += chunk)
            iface->feed(QByteArray::fromRawData(stream.constData() + at,
                                                qMin(chunk, int(stream.size()) - at)));
        engine.setLineHandler(nullptr);
        return lines.lines;
    }
    Common::Communication::CommnadEngine engine;
    MemoryInterface* iface = new MemoryInterface;
};

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

    static Reading readings[3];
    const int defaultLength = Common::Communication::CommnadEngine::kDefaultMaxLineLength;
    // Only the whole stream is parsed: the parser sees lines, whichever cut
    // gave them, and some stream gives every sequence of lines whole.
    Parser parser;
    const QStringList whole =
        readings[0].received(stream, qMax(1, int(stream.size())), defaultLength, &parser);
    const QStringList chunked = readings[1].received(stream, chunk, defaultLength);
    // A zero byte ends the text of its read, and a line beyond the limit is
    // dropped when it is seen, so only then may the cut make a difference.
    // Qt's decoder may give a broken UTF-8 sequence one replacement character
    // or several, depending on the cut: the lines are the same without them.
    if (!stream.contains('\0') && stream.size() < defaultLength)
        fuzzCheck(withoutReplacements(whole) == withoutReplacements(chunked),
                  "lines depend on how the stream was cut");
    readings[2].received(stream, chunk, maxLineLength);
    return 0;
}
