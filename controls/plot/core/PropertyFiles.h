#pragma once
// A control's published properties saved to and loaded from a file of
// property lines. The first line names the class ("File Type = TiXYPlot").

#include <string>

class TObject;

namespace korvan::plot {

// What holds a control's repaints while many properties change: the
// component base implements it with its update block.
class IUpdateBlock {
public:
    virtual ~IUpdateBlock() = default;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
};

// Opens an update block for its lifetime, so that the block is ended when
// loading fails too.
class UpdateBlockScope {
public:
    explicit UpdateBlockScope(IUpdateBlock& block) : block_(block) { block_.BeginUpdate(); }
    ~UpdateBlockScope() { block_.EndUpdate(); }
    UpdateBlockScope(const UpdateBlockScope&) = delete;
    UpdateBlockScope& operator=(const UpdateBlockScope&) = delete;

private:
    IUpdateBlock& block_;
};

// Writes "File Type = <class name>" and every property but Name and,
// unless saveAllProperties, the position, size and general control
// properties (Left, Top, Width, Height, Align, Cursor, ShowHint, Tag,
// Visible, Enabled, Hint, HelpContext). Any failure is raised again as an
// Exception "Error Saving Properties - <message>".
void SavePropertiesToFile(TObject& instance, const std::string& fileName, bool saveAllProperties);

// Reads the file and applies every line inside an update block of block.
// A failure ends the block, then is raised again as an Exception
// "Error Loading Properties - <message>".
void LoadPropertiesFromFile(TObject& instance, const std::string& fileName, IUpdateBlock& block);

} // namespace korvan::plot
