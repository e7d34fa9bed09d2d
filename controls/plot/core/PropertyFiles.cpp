#include "controls/plot/core/PropertyFiles.h"

#include "controls/plot/core/PropertyLines.h"
#include "platform/forms/Object.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"

namespace korvan::plot {

void SavePropertiesToFile(TObject& instance, const std::string& fileName, bool saveAllProperties) {
    try {
        TStringList skip;
        skip.Add("Name");
        if (!saveAllProperties)
            for (const char* name : {"Left", "Top", "Width", "Height", "Align", "Cursor", "ShowHint", "Tag",
                                     "Visible", "Enabled", "Hint", "HelpContext"})
                skip.Add(name);
        TStringList lines;
        lines.Add("File Type = " + instance.ClassName());
        WritePropertyLines(&instance, "", lines, false, &skip);
        lines.SaveToFile(fileName);
    } catch (const Exception& e) {
        throw Exception("Error Saving Properties - " + e.Message());
    }
}

void LoadPropertiesFromFile(TObject& instance, const std::string& fileName, IUpdateBlock& block) {
    try {
        TStringList lines;
        lines.LoadFromFile(fileName);
        UpdateBlockScope update(block);
        ReadPropertyLines(&instance, "", lines);
    } catch (const Exception& e) {
        throw Exception("Error Loading Properties - " + e.Message());
    }
}

} // namespace korvan::plot
