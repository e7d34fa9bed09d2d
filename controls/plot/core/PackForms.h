#pragma once
// Form-level helpers of the plot pack: keyboard state, focus, the form
// that owns a component, page controls and the stored-property writer the
// object managers stream collections with.

class TComponent;
class TWinControl;
class TPageControl;
class TPersistent;
class TWriter;

namespace korvan::plot {

// Whether Shift or Ctrl is held now.
bool IsShiftDown();
bool IsControlDown();

// Gives control's window the input focus (nothing when it cannot take it).
void FocusComponent(TWinControl* control);

// The first form met walking the owner chain from component's owner; when
// there is none, the last windowed control met; else null.
TWinControl* GetOwnerForm(TComponent* component);

// Activates page index when the control has that many pages.
void SetActivePageIndex(TPageControl* pageControl, int index);
// The active page's index, or -1.
int GetActivePageIndex(const TPageControl* pageControl);

// Every stored published property with a getter and a setter, then the
// object's defined properties; an Exception meanwhile is swallowed.
void WriteStoredProperties(TWriter& writer, TPersistent* instance);

} // namespace korvan::plot
