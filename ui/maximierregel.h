#pragma once

class QWidget;

namespace quandel {

// The windows are never maximised: asked to, a window keeps its left edge and width and
// reaches from the top of the screen down to the end of the screen's free area (above a task
// bar at the bottom).
void MaximierenUmlenken(QWidget& fenster);

} // namespace quandel
