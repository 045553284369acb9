// DiscardNextMousePress: the next mouse press (or double click) the program receives
// reaches no widget. For a press already on its way, whose focus change was refused:
// the click must change nothing, and a button it hit must not be drawn pushed.
#pragma once

namespace platform {

void DiscardNextMousePress();

} // namespace platform
