// The entry of the sound device module: the plain-C table the speech layer finds by name.
#include "sound/SoundDevice.h"
#include "speech/SoundModuleApi.h"

#include <string>

struct SuiteSoundDevice {
    std::unique_ptr<suite::SoundDevice> device;
};

namespace {

std::string lastError;

SuiteSoundDevice* openDevice(int sampleRate, int channels, SuiteSoundIdle idle, void* context)
{
    lastError.clear();
    if (sampleRate <= 0 || channels <= 0 || !idle) {
        lastError = "falsche Angaben zum Tonformat";
        return nullptr;
    }
    auto device = suite::SoundDevice::open(
        sampleRate, channels, [idle, context] { idle(context); }, &lastError);
    return device ? new SuiteSoundDevice { std::move(device) } : nullptr;
}

void writeDevice(SuiteSoundDevice* handle, const char* pcm, long long bytes)
{
    handle->device->write(pcm, bytes);
}

long long processedUs(SuiteSoundDevice* handle)
{
    return handle->device->processedUs();
}

void dropDevice(SuiteSoundDevice* handle)
{
    handle->device->drop();
}

void closeDevice(SuiteSoundDevice* handle)
{
    delete handle;
}

const char* openError()
{
    return lastError.c_str();
}

constexpr SuiteSoundModule functions {
    SUITE_SOUND_MODULE_VERSION,
    openDevice,
    writeDevice,
    processedUs,
    dropDevice,
    closeDevice,
    openError,
};

} // namespace

extern "C" __attribute__((visibility("default"))) const SuiteSoundModule* suite_sound_module()
{
    return &functions;
}
