#pragma once

// Qt tells readers of every change to a line edit's text and caret, even
// while the box is hidden. The name entry box is emptied just before it shows
// and takes the keyboard: a reader that meets its caret first takes it as
// focused already and then stays silent when the focus is told. What a hidden
// box does to its text is not passed on; everything else is.
void installHiddenTextFilter();
