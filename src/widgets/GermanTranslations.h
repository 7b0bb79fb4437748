#pragma once

namespace suite {

// Qt's own texts (the buttons of message boxes and file dialogs, context menus) in German,
// as everything else the programs show. Call once after the QApplication exists; without
// the translation files the programs simply keep Qt's English texts.
void installGermanQtTranslations();

} // namespace suite
