// Bitmaps by resource name with white as their transparent colour.
#include "ui/MaskedBitmap.h"

#include "platform/gui/ResourceBitmaps.h"

#include <wx/colour.h>

wxBitmap LoadMaskedBitmap(const wxString& name)
{
    wxBitmap bitmap = platform::LoadBitmapResource(name);
    if (bitmap.IsOk())
        bitmap.SetMask(new wxMask(bitmap, wxColour(255, 255, 255)));
    return bitmap;
}
