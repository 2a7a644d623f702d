#include "app/controls/Window.h"

#include "app/controls/Twips.h"

#include <QWidget>

void Window::create(QWidget* window) { attach(window, nullptr); }

void Window::setHeight(int twips)
{
    height_ = twips;
    applyClientSize();
}

void Window::setWidth(int twips)
{
    width_ = twips;
    applyClientSize();
}

void Window::applyClientSize()
{
    // Qt sizes the inner area; the frame and caption are the platform's.
    const int width = twips::toPixels(width_) - 2 * kFramePixels;
    const int height = twips::toPixels(height_) - kCaptionPixels - kFramePixels;
    if (width > 0 && height > 0) {
        widget()->setFixedSize(width, height);
    }
}

void Window::unload() { widget()->close(); }
