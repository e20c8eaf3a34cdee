#pragma once

namespace KD {

// The drying controller's state (0 no device ... 10 uploading firmware) and
// the current steps of the compound slot reader and writer.
struct OperationState
{
    enum Main {
        NoDevice = 0,
        Ready = 1,
        ReadingCurrent = 2,
        MovingFromSlot = 3,
        ReadingSlot = 4,
        WritingSlot = 5,
        WritingCurrent = 6,
        Starting = 7,
        Running = 8,
        Stopping = 9,
        UploadingFirmware = 10,
    };

    int main = NoDevice;
    int readerStep = 0;
    int writerStep = 0;
};

} // namespace KD
