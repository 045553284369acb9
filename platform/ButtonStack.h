// ButtonStack: buttons stacked on one spot, of which only the one in front is seen.
//  - ShowInFront(stack, front, tabIndex): that button goes in front of the others and
//    is the only one of them the Tab key reaches, at tabIndex in its window's order
//
// A stack already so arranged is left alone: the front button being the only tab stop
// of the stack tells it, and placing a control in the tab order walks the whole window.
// The buttons behind stay Visible, but they do not paint: the front one covers them
// (their corners show the same window behind them), and painting nine buttons where
// one is seen made every change of phase several times dearer.
#pragma once

#include "CommandButton.h"
#include "ControlArray.h"

namespace platform {

template <int First, int Last>
void ShowInFront(ControlArray<CommandButton, First, Last> &stack, int front, int tabIndex) {
    bool arranged = true;
    for (int i = First; i <= Last; ++i)
        arranged = arranged && stack[i].TabStop() == (i == front);
    if (arranged) return;
    stack[front].ZOrder(0);
    for (int i = First; i <= Last; ++i) {
        stack[i].SetTabStop(i == front);
        stack[i].setUpdatesEnabled(i == front);
    }
    stack[front].SetTabIndex(tabIndex);
}

} // namespace platform
