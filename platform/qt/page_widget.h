// The window of a property page: a plain widget of the template's size with
// its controls at their converted positions.
#pragma once

#include <QWidget>

namespace platform {

class PropertyPage;

// The size of the page's window in pixels, without making it.
QSize PageSize(const PropertyPage& page);

// Makes the page's window inside parent and its controls; the page then has a
// window (its OnInitDialog is the caller's to run).
QWidget* CreatePageWindow(PropertyPage& page, QWidget* parent);

}  // namespace platform
