// The per-level extras changed during the event.
#include "draw/DrawEngine.h"

namespace lotavo {

// The pictures, lists and exclusion lists of a level are read from the settings when the
// level begins; the two flags the draw takes from them once per session are taken again, so a
// level ticked for its own list or for the tail-number draw counts from the next level on.
void DrawEngine::levelExtrasChanged()
{
    scanPerLevelLists();
    computeExclusionThreshold();
}

}  // namespace lotavo
