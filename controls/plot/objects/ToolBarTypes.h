#pragma once
// The kinds of toolbar button the plot's toolbar events name.

enum TiPlotToolBarButtonType {
    iptbbtResume,
    iptbbtPause,
    iptbbtScrollAxesMode,
    iptbbtZoomAxesMode,
    iptbbtSelect,
    iptbbtZoomBox,
    iptbbtZoomOut,
    iptbbtZoomIn,
    iptbbtCursor,
    iptbbtEdit,
    iptbbtCopy,
    iptbbtSave,
    iptbbtPrint,
    iptbbtPreview
};
