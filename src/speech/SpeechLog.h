#pragma once

#include <QJsonArray>
#include <QString>

namespace suite {

// The spoken transcript. With SPRACHAUSGABE_SPEECH_LOG=FILE every request to a speech
// component is appended to FILE as one JSON line, flushed at once:
//   {"time":"2026-12-06T22:45:01.123","program":"lautbote","component":"agent",
//    "character":"Genie","op":"Speak","args":["\\Spd=150\\Hallo"]}
// "character" is left out where empty; "error" is added for a request that failed;
// "engine" names the speech engine that speaks ("espeak-ng", "speechd") once one is chosen.
// Without the variable nothing is written. A log that cannot be written never disturbs
// speech: the failure is reported once on stderr.
namespace SpeechLog {

enum class Component { Agent, Synth };

void record(Component component, const QString& character, const QString& op,
    const QJsonArray& args, const QString& error = {});

// The engine that speaks the requests recorded from now on; empty leaves the key out.
void setEngine(const QString& name);

} // namespace SpeechLog

} // namespace suite
