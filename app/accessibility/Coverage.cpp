#include "app/accessibility/Coverage.h"

#include "app/Form1.h"

#include <array>
#include <functional>

namespace {

using F = Form1Controls;

// The boxes that can cover others, topmost first, as the window stacks them.
// The cells form one layer between the result panel and the banner; the
// labels drawn on the window's own surface lie under all of them.
constexpr std::array<PictureBox F::*, 7> kStacking{
    &F::Picture8, &F::Picture7, &F::Picture6, &F::Picture5, &F::Picture3, &F::Picture2, &F::Picture4,
};
constexpr std::size_t kBoardLayer = 5;  // just above the banner

bool shown(const Control& control)
{
    // The window itself is left out: tests never show it, and a hidden
    // window hides everything alike.
    for (const Control* c = &control; c && c->container(); c = c->container()) {
        if (!c->visible()) {
            return false;
        }
    }
    return true;
}

// The place in kStacking of the nearest box that holds the control (or is
// it); the window's surface comes after every box.
std::size_t layerOf(const F& ui, const Control& control)
{
    const std::less<> before;
    for (const Control* c = &control; c; c = c->container()) {
        for (std::size_t i = 0; i < kStacking.size(); ++i) {
            if (c == &(ui.*kStacking.at(i))) {
                return i;
            }
        }
        if (!before(c, &ui.Picture1.front()) && !before(&ui.Picture1.back(), c)) {
            return kBoardLayer;
        }
    }
    return kStacking.size();
}

}  // namespace

bool isInView(const Form1& form, const Control& control)
{
    if (!shown(control)) {
        return false;
    }
    const QPoint middle = form.windowRectOf(control).center();
    const std::size_t layer = layerOf(form.controls(), control);
    for (std::size_t i = 0; i < layer; ++i) {
        const PictureBox& box = form.controls().*kStacking.at(i);
        if (shown(box) && form.windowRectOf(box).contains(middle)) {
            return false;
        }
    }
    return true;
}
