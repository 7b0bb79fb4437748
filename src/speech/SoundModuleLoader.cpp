#include "speech/SoundModuleLoader.h"

#include "core/Paths.h"

#include <QDir>
#include <QFile>

#include <dlfcn.h>

namespace suite {

namespace {

QString soundModulePath()
{
    return QDir::cleanPath(
        paths::binaryDir() + QStringLiteral("/../lib/sprachausgabe/sprachausgabe-ton.so"));
}

SoundModule load()
{
    const QString path = soundModulePath();
    // Never closed: the module's Qt Multimedia keeps threads and handlers until the end.
    void* library = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return { nullptr, QString::fromLocal8Bit(dlerror()) };
    const auto entry
        = reinterpret_cast<SuiteSoundModuleEntry>(dlsym(library, SUITE_SOUND_MODULE_ENTRY));
    if (!entry)
        return { nullptr, QString::fromLocal8Bit(dlerror()) };
    const SuiteSoundModule* functions = entry();
    if (!functions || functions->version != SUITE_SOUND_MODULE_VERSION)
        return { nullptr, QStringLiteral("%1 gehört zu einer anderen Version").arg(path) };
    return { functions, {} };
}

} // namespace

const SoundModule& loadSoundModule()
{
    static const SoundModule module = load();
    return module;
}

} // namespace suite
