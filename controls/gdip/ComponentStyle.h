#pragma once
// The style presets that the pack's controls offer through
// SetComponentStyle, and the interface a control implements to take them.

enum TTMSStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black
};

// {11AC2DDC-C087-4298-AB6E-EA1B5017511B}
class ITMSStyle {
public:
    virtual void SetComponentStyle(TTMSStyle style) = 0;

protected:
    ~ITMSStyle() = default;
};
