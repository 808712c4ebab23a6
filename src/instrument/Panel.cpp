// The attached panel, and the inert one used when none is attached.
#include "instrument/Panel.h"

namespace {

InertPanel detachedPanel;
Panel* attachedPanel = &detachedPanel;

}  // namespace

void AttachPanel(Panel* panel) { attachedPanel = panel != nullptr ? panel : &detachedPanel; }

Panel& AttachedPanel() { return *attachedPanel; }
