#pragma once
// How a text shows in a control of Tunewick's dialog, as the dialog lays it
// out with the system's font.
#include <cstddef>

struct TextFit {
    long width = 0;          // the text's ink, in pixels
    long room = 0;           // what the control gives it: its width less a check box's mark, a button's
                             // edges, a frame's margins or a list's arrow
    std::size_t shown = 0;   // how many of its characters the player reads where it is cut
    bool showsEnd = false;   // a right-aligned control shows the end, and loses the start
    long averageCharWidth = 0;  // of the control's font, in pixels
};
