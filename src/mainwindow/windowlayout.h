#pragma once

#include <QLayout>
#include <QWidget>

// Applies a change of what the window shows at once rather than at the next event.
inline void ActivateLayout(QWidget& window)
{
    if (QLayout* own = window.layout()) {
        own->activate();
    }
}
