#include "browser/ExplorerLayout.h"

#include <algorithm>

namespace suite::browser {

ExplorerLayout ExplorerLayout::compute(int clientWidth, int clientHeight, int outerWidth)
{
    ExplorerLayout layout;
    layout.pageWidth = std::max(0, clientWidth - 20);
    layout.pageHeight
        = std::max(0, clientHeight - (addressBarHeight + statusBarHeight + toolBarHeight) - 100);
    layout.goLeft = std::max(0, outerWidth - goWidth - 200);
    layout.addressWidth = std::max(
        0, std::min(clientWidth - 150 - goWidth - 635, layout.goLeft - addressGoGap - addressLeft));
    return layout;
}

} // namespace suite::browser
