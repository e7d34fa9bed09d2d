#pragma once
// A form's texts in the plot's own words: the caption, every owned
// control's text, the editor check box's and radio group's captions, the
// radio group's and editor combo box's items and the top-level captions
// of popup menus, each replaced through the plot's translations. Texts
// without a translation stay; a plot without translations leaves the form
// alone, and so does an editor form that is closing.

class TCustomForm;
class TiPlotMasterManager;

namespace korvan::plot {

void TranslateForm(TiPlotMasterManager& master, TCustomForm* form);

} // namespace korvan::plot
