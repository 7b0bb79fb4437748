#pragma once

// The boundary between the speech layer and the sound device module (sprachausgabe-ton), the
// only part of the speech layer that links Qt Multimedia: a program loads it once it speaks,
// so its start does not pay for Qt Multimedia's libraries. Plain C with an opaque handle, so
// no C++ class and no QObject crosses it. Every call comes from the thread that runs the Qt
// event loop, and the idle callback comes from that loop (or from inside write()).

#ifdef __cplusplus
extern "C" {
#endif

#define SUITE_SOUND_MODULE_VERSION 1
// The one symbol the module exports: SuiteSoundModuleEntry.
#define SUITE_SOUND_MODULE_ENTRY "suite_sound_module"

typedef struct SuiteSoundDevice SuiteSoundDevice;
typedef void (*SuiteSoundIdle)(void* context);

typedef struct SuiteSoundModule {
    // SUITE_SOUND_MODULE_VERSION of the module; another number means another table.
    int version;
    // A started output on the default device for signed 16-bit PCM at sampleRate with the
    // given number of channels, or null when there is none or it fails (error() says why).
    // idle(context) is called whenever everything written has been heard.
    SuiteSoundDevice* (*open)(int sampleRate, int channels, SuiteSoundIdle idle, void* context);
    // Appends audio behind what is already waiting; it is heard in order.
    void (*write)(SuiteSoundDevice* device, const char* pcm, long long bytes);
    // Audio heard since open, in µs: never goes back, never passes what was written, dropped
    // audio never counts. Should the device go away, everything written counts as heard.
    long long (*processedUs)(SuiteSoundDevice* device);
    // Ends the sound at once and forgets everything not yet heard.
    void (*drop)(SuiteSoundDevice* device);
    void (*close)(SuiteSoundDevice* device);
    // Why the last open() failed, in German words for a message; "" when it did not.
    const char* (*error)(void);
} SuiteSoundModule;

typedef const SuiteSoundModule* (*SuiteSoundModuleEntry)(void);

#ifdef __cplusplus
}
#endif
