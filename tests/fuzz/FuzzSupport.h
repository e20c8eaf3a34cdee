#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The entry point every fuzz target defines: libFuzzer calls it, and so does
// the corpus replay that ctest runs.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Makes the application object once (offscreen, settings in a scratch folder)
// and silences Qt's messages: a target runs millions of inputs, most of them
// bad, and each would otherwise print its warning.
void fuzzSetUp();

// A file in a folder of its own that lives as long as the process.
QString fuzzScratchPath(const QString& name);

// Stops with the message when an invariant of the code under test breaks:
// libFuzzer keeps the input, the replay fails.
void fuzzCheck(bool condition, const char* what);
