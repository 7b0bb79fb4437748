#pragma once

namespace suite::browser {

// Sizes of frmExplorer in twips. The tool bar, the address bar and the status bar are docked;
// the page and the text box over it take the rest.
struct ExplorerLayout {
    static constexpr int designClientWidth = 13740;
    static constexpr int designClientHeight = 5355;
    static constexpr int toolBarHeight = 525; // Picture3
    static constexpr int addressBarHeight = 375; // picAddress
    static constexpr int statusBarHeight = 300; // Picture1
    static constexpr int goWidth = 615; // Command1
    static constexpr int addressLeft = 720; // cboAddress
    // Least room between the address box and "Go": a window whose frame is thinner than the
    // one the layout was made for, or a maximized one without a frame, would otherwise put
    // "Go" over the box's drop-down arrow.
    static constexpr int addressGoGap = 45;
    static constexpr int pageTop = 900;

    int addressWidth = 0; // cboAddress
    int pageWidth = 0; // WebBrowser and Text1
    int pageHeight = 0;
    int goLeft = 0; // Command1

    // From the client area and the outer width of the window. A window smaller than its bars
    // gives 0, never a negative size or place.
    static ExplorerLayout compute(int clientWidth, int clientHeight, int outerWidth);
};

} // namespace suite::browser
