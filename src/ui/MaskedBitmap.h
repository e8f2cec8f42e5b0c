// Bitmaps by resource name with white as their transparent colour.
#pragma once

#include <wx/bitmap.h>
#include <wx/string.h>

// The bitmap resource of that name (case ignored) with a mask made from white (255, 255, 255);
// an invalid bitmap when the resource is missing.
wxBitmap LoadMaskedBitmap(const wxString& name);
