#include "widgets/agent/CharacterAgent.h"

#include "core/Paths.h"
#include "speech/SpeechLog.h"
#include "widgets/agent/AgentCharacter.h"
#include "widgets/agent/CharacterFile.h"

#include <QDir>

namespace suite {

namespace {

Result logged(const QString& id, const QString& op, const QJsonArray& args, Result result)
{
    SpeechLog::record(SpeechLog::Component::Agent, id, op, args, result.error);
    return result;
}

} // namespace

CharacterAgent::CharacterAgent(const QString& characterDir, SpeechEngine& engine, QObject* parent)
    : QObject(parent)
    , m_dir(characterDir)
    , m_engine(engine)
{
}

CharacterAgent::~CharacterAgent()
{
    // Characters leave quietly: nothing they report may reach an agent half gone.
    for (auto& entry : m_characters) {
        entry.second->disconnect(this);
        entry.second->unload();
    }
}

Result CharacterAgent::LoadCharacter(const QString& id, const QString& fileName)
{
    const QString op = QStringLiteral("LoadCharacter");
    const QJsonArray args { id, fileName };
    if (id.trimmed().isEmpty())
        return logged(id, op, args, Result::failure(QStringLiteral("Leere Charakterkennung.")));
    if (loaded(id))
        return logged(id, op, args,
            Result::failure(QStringLiteral("Der Charakter %1 ist bereits geladen.").arg(id)));
    const QString path = paths::findFileNoCase(m_dir, fileName);
    if (path.isEmpty()) {
        return logged(id, op, args,
            Result::failure(QStringLiteral("Charakterdatei nicht gefunden: %1")
                                .arg(QDir(m_dir).filePath(fileName))));
    }
    CharacterData data;
    if (Result r = CharacterFile::load(path, &data); !r)
        return logged(id, op, args, r);

    auto& slot = m_characters[id];
    if (!slot) {
        slot = std::make_unique<AgentCharacter>(id, m_engine);
        connect(slot.get(), &AgentCharacter::idle, this, [this, id] { emit characterIdle(id); });
    }
    slot->load(data);
    return logged(id, op, args, Result::success());
}

Character* CharacterAgent::GetCharacter(const QString& id)
{
    AgentCharacter* character = loaded(id);
    logged(id, QStringLiteral("GetCharacter"), { id },
        character ? Result::success()
                  : Result::failure(QStringLiteral("Der Charakter %1 ist nicht geladen.").arg(id)));
    return character;
}

Result CharacterAgent::UnloadCharacter(const QString& id)
{
    const QString op = QStringLiteral("UnloadCharacter");
    AgentCharacter* character = loaded(id);
    if (!character)
        return logged(id, op, { id },
            Result::failure(QStringLiteral("Der Charakter %1 ist nicht geladen.").arg(id)));
    character->unload();
    return logged(id, op, { id }, Result::success());
}

AgentCharacter* CharacterAgent::loaded(const QString& id) const
{
    const auto it = m_characters.find(id);
    if (it == m_characters.end() || !it->second->isLoaded())
        return nullptr;
    return it->second.get();
}

} // namespace suite
