// What assistive technology (a screen reader through the desktop's accessibility bus)
// reads of an MSFlexGrid: a table with the grid's rows and columns, each cell named by
// its exact text (the whole title on every cell of a merged title, empty for a blank
// cell), placed where it is drawn on screen, the cell marked CellSelected reported as
// the one selected cell; a hidden grid reports itself and its cells invisible, a
// disabled one unavailable. Read only: nothing is selected or changed through it.
#pragma once

namespace platform {

// Makes Qt ask this program for the interfaces of its grids; every grid calls it.
void InstallGridAccessibility();

} // namespace platform
