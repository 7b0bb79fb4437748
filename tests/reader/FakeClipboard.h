#pragma once

#include "reader/Clipboard.h"

#include <QStringList>

namespace suite::test {

// A clipboard that another program fills: text, nothing, or something that is no text.
// It records what the reader writes into it.
class FakeClipboard final : public reader::Clipboard {
public:
    std::optional<QString> text() const override
    {
        ++m_reads;
        if (m_putsBackLastText && m_text && m_text->isEmpty())
            m_text = m_lastCopied;
        return m_text;
    }
    QImage image() const override { return m_text ? QImage() : m_image; }
    bool setText(const QString& text) override
    {
        m_written << text;
        if (m_keepsOwnText)
            return false;
        m_text = text;
        return true;
    }

    // Another program copies a text.
    void copy(const QString& text)
    {
        m_text = text;
        m_lastCopied = text;
    }
    // Another program copies a picture or files: the clipboard holds no text.
    void copyNoText() { m_text.reset(); }
    // Another program copies a picture.
    void copyPicture(const QImage& picture)
    {
        m_text.reset();
        m_image = picture;
    }

    // The program that copied keeps the clipboard: writing into it fails (or works again).
    void setKeepsOwnText(bool keeps) { m_keepsOwnText = keeps; }
    // A clipboard manager runs that puts the last copied text back a moment after the
    // clipboard was emptied (by the next reading).
    void setPutsBackLastText(bool putsBack) { m_putsBackLastText = putsBack; }

    const QStringList& written() const { return m_written; }
    int reads() const { return m_reads; }

private:
    mutable std::optional<QString> m_text;
    QString m_lastCopied;
    QImage m_image;
    QStringList m_written;
    mutable int m_reads = 0;
    bool m_keepsOwnText = false;
    bool m_putsBackLastText = false;
};

} // namespace suite::test
