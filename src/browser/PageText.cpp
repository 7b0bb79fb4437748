#include "browser/PageText.h"

#include <QVariantMap>

namespace suite::browser {

QString PageText::frameHeading(int number)
{
    return QStringLiteral("\r\nIch spreche jetzt den Inhalt von Frame") + QString::number(number)
        + QStringLiteral("  \r\n");
}

QString PageText::compose(const PageContent& content)
{
    QString text;
    if (!content.frameTexts.isEmpty()) {
        qsizetype total = 0;
        for (qsizetype i = 0; i < content.frameTexts.size(); ++i) {
            const QString frame = content.frameTexts.at(i).value_or(QString());
            if (frame.isEmpty())
                continue;
            total += frame.size();
            text += frameHeading(static_cast<int>(i + 1));
            text += frame;
        }
        if (total > 0)
            return text;
    }
    return content.bodyText.value_or(QString());
}

QString PageText::collectScript()
{
    return QStringLiteral(R"JS((function () {
    var result = { frames: [], body: null };
    var count = 0;
    try { count = window.frames.length; } catch (e) { count = 0; }
    for (var i = 0; i < count; ++i) {
        var text = null;
        try {
            var body = window.frames[i].document.body;
            if (body) text = String(body.innerText);
        } catch (e) { text = null; }
        result.frames.push(text);
    }
    try { if (document.body) result.body = String(document.body.innerText); } catch (e) {}
    return result;
})())JS");
}

PageContent PageText::fromScriptResult(const QVariant& result)
{
    PageContent content;
    const QVariantMap map = result.toMap();
    const QVariantList frames = map.value(QStringLiteral("frames")).toList();
    for (const QVariant& frame : frames) {
        if (frame.isNull() || !frame.isValid())
            content.frameTexts << std::nullopt;
        else
            content.frameTexts << frame.toString();
    }
    const QVariant body = map.value(QStringLiteral("body"));
    if (body.isValid() && !body.isNull())
        content.bodyText = body.toString();
    return content;
}

} // namespace suite::browser
