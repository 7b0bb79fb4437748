#pragma once

#include <QIcon>

namespace suite::browser {

// The small pictures of the browser's tool-bar buttons, drawn here so they scale cleanly.
enum class ToolbarPicture {
    Back,
    Forward,
    Stop,
    Reload,
    Home,
    Search,
    Mail,
    AddFavourite,
    Favourites,
    Source,
    Capture,
    Exit,
};

QIcon toolbarIcon(ToolbarPicture picture);

} // namespace suite::browser
