#pragma once

// Follows one firmware upload.
class IFirmwareProgressReceiver
{
public:
    virtual ~IFirmwareProgressReceiver() = default;
    // Percent of the image sent.
    virtual void onProgress(int percent) = 0;
    // 1 success, anything else failure.
    virtual void onFinish(int result) = 0;
    // 1 the bootloader answered, 2 the data transfer started.
    virtual void onStateChange(int state) = 0;
};
