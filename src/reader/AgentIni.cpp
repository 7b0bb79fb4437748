#include "reader/AgentIni.h"

#include "core/Paths.h"
#include "core/ProfileFile.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace suite::reader {

namespace {

struct Key {
    const char* section;
    const char* key;
};
constexpr Key kSpeed { "Speed", "V" };
constexpr Key kGreeting { "Begruessung", "B" };
constexpr Key kFarewell { "Verabschiedung", "V" };
constexpr Key kLanguage { "Sprache", "L" };
constexpr Key kCharacter { "Charakter", "C" };
constexpr Key kReadPictures { "Bildtext", "Vorlesen" };

QString readKey(const ProfileFile& file, const Key& key)
{
    return file.read(QString::fromLatin1(key.section), QString::fromLatin1(key.key), QString());
}

} // namespace

AgentIni::AgentIni(const QString& programDir, const QString& fileName)
{
    m_path = paths::findFileNoCase(programDir, fileName);
    if (m_path.isEmpty())
        m_path = paths::withTrailingSlash(programDir) + fileName;
}

bool AgentIni::exists() const
{
    return QFileInfo(m_path).isFile();
}

std::optional<int> AgentIni::wholeNumber(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    QString t = text.trimmed();
    if (!pattern.match(t).hasMatch() || t.size() > 40)
        return std::nullopt;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding: half to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<int>(rounded);
}

AgentIniValues AgentIni::read() const
{
    const ProfileFile file(m_path);
    AgentIniValues values;
    if (const std::optional<int> pictures = wholeNumber(readKey(file, kReadPictures)))
        values.readPictures = *pictures == 1;

    const std::optional<int> speed = wholeNumber(readKey(file, kSpeed));
    if (!speed || *speed < minimumSpeed || *speed > maximumSpeed)
        return values;
    values.speed = speed;

    values.greeting = wholeNumber(readKey(file, kGreeting));
    if (!values.greeting)
        return values;
    values.farewell = wholeNumber(readKey(file, kFarewell));
    if (!values.farewell)
        return values;

    const QString language = readKey(file, kLanguage);
    if (language.startsWith(QLatin1String("ger")))
        values.language = 0;
    else if (language.startsWith(QLatin1String("eng")))
        values.language = 1;

    values.character = readKey(file, kCharacter);
    return values;
}

Result AgentIni::write(const AgentIniState& state) const
{
    const auto setting = [](const Key& key, const QString& value) {
        return ProfileFile::Setting { QString::fromLatin1(key.section),
            QString::fromLatin1(key.key), value };
    };
    QString language;
    if (state.language)
        language = *state.language == 0 ? QStringLiteral("ger") : QStringLiteral("eng");
    QList<ProfileFile::Setting> settings {
        setting(kSpeed, QString::number(state.speed)),
        setting(kGreeting, QString::number(state.greeting ? 1 : 0)),
        setting(kFarewell, QString::number(state.farewell ? 1 : 0)),
        setting(kLanguage, language),
        setting(kCharacter, state.character),
    };
    // The file of a user who never turned the option on stays as older readers wrote it.
    if (state.readPictures || !readKey(ProfileFile(m_path), kReadPictures).isEmpty())
        settings.push_back(setting(kReadPictures, QString::number(state.readPictures ? 1 : 0)));
    return ProfileFile(m_path).write(settings);
}

} // namespace suite::reader
