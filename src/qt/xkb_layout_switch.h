// Switching the X11 keyboard group between a Latin and a Cyrillic layout.
#pragma once

typedef struct _XDisplay Display;

namespace vz {

// Locks the keyboard group whose letter keys are Latin (`latin` true) or
// Cyrillic, when the keyboard has groups of both scripts; otherwise, or with
// no display, nothing changes.
void activateXkbGroup(Display* display, bool latin);

} // namespace vz
