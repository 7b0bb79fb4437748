#pragma once

#include "widgets/MessageBoxes.h"

namespace suite {

// Message boxes as QMessageBox shows them. Texts are plain (never read as markup), and the
// line breaks callers write in any of CR LF, LF CR, CR or LF show as one break each.
class MessageBoxesDialog final : public MessageBoxes {
public:
    Answer show(QWidget* parent, const QString& text, const QString& title, Icon icon,
        Buttons buttons) override;

    // The text as the box shows it.
    static QString displayText(const QString& text);
};

} // namespace suite
