#pragma once

#include "widgets/FileChooser.h"

namespace suite {

// The file chooser of the running programs: Qt's own file dialog (never the desktop's
// native one, so it behaves the same on every desktop), modal to the owner.
class FileChooserDialog final : public FileChooser {
public:
    QString chooseFile(const FileRequest& request) override;
};

} // namespace suite
