#include "controls/plot/component/PlotComponentTypes.h"

namespace korvan::plot {

const std::vector<std::string>& FormStyleNames() {
    static const std::vector<std::string> names{"ipfsModal", "ipfsStayOnTop"};
    return names;
}
const std::vector<std::string>& DataFileColumnSeparatorNames() {
    static const std::vector<std::string> names{"ipdfcsTab", "ipdfcsComma"};
    return names;
}
const std::vector<std::string>& DataFileFormatNames() {
    static const std::vector<std::string> names{"ipdffText", "ipdffCompactInterval"};
    return names;
}
const std::vector<std::string>& ImageFormatStyleNames() {
    static const std::vector<std::string> names{"ipifBitmap", "ipifEnhancedMetaFile", "ipifJPEG", "ipifPNG"};
    return names;
}
const std::vector<std::string>& ReferenceTypeNames() {
    static const std::vector<std::string> names{"iprtDataView", "iprtChannel", "iprtXChannelYDataView",
                                                "iprtXDataViewYChannel"};
    return names;
}
const std::vector<std::string>& ReferenceIndividualNames() {
    static const std::vector<std::string> names{"ipriDataView", "ipriChannel", "ipriAuto"};
    return names;
}
const std::vector<std::string>& PrinterOrientationNames() {
    static const std::vector<std::string> names{"poPortrait", "poLandscape"};
    return names;
}

} // namespace korvan::plot
