// Resource pictures by name: a case-insensitive search of the resource folders.
#include "platform/gui/ResourceBitmaps.h"

#include <wx/dir.h>
#include <wx/filename.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/stdpaths.h>

namespace platform {

namespace {

const wxString kExtensions[] = { "png", "xpm", "bmp", "ico" };

bool HasResourceExtension(const wxString& extension)
{
    for (const wxString& known : kExtensions)
        if (extension.IsSameAs(known, false))
            return true;
    return false;
}

} // namespace

wxArrayString ResourceDirectories()
{
    wxArrayString dirs;
    wxFileName beside(wxStandardPaths::Get().GetExecutablePath());
    beside.RemoveLastDir();
    beside.AppendDir("share");
    beside.AppendDir("vellomar");
    beside.AppendDir("res");
    dirs.Add(beside.GetPath());
#ifdef VELLOMAR_SOURCE_RES_DIR
    dirs.Add(wxString::FromUTF8(VELLOMAR_SOURCE_RES_DIR));
#endif
#ifdef VELLOMAR_INSTALL_RES_DIR
    dirs.Add(wxString::FromUTF8(VELLOMAR_INSTALL_RES_DIR));
#endif
    return dirs;
}

wxString FindResourceFile(const wxString& name)
{
    if (name.empty())
        return wxString();
    const wxArrayString dirs = ResourceDirectories();
    for (const wxString& dirName : dirs) {
        if (!wxDir::Exists(dirName))
            continue;
        wxDir dir(dirName);
        if (!dir.IsOpened())
            continue;
        wxString file;
        for (bool more = dir.GetFirst(&file, wxEmptyString, wxDIR_FILES); more; more = dir.GetNext(&file)) {
            const wxFileName candidate(dirName, file);
            if (candidate.GetName().IsSameAs(name, false) && HasResourceExtension(candidate.GetExt()))
                return candidate.GetFullPath();
        }
    }
    return wxString();
}

wxBitmap LoadBitmapResource(const wxString& name)
{
    const wxString path = FindResourceFile(name);
    if (path.empty())
        return wxBitmap();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxInitAllImageHandlers();
    // A broken file gives an invalid bitmap, not a message box.
    wxLogNull quiet;
    wxImage image;
    if (!image.LoadFile(path, wxBITMAP_TYPE_ANY))
        return wxBitmap();
    return wxBitmap(image);
}

wxIcon LoadIconResource(const wxString& name)
{
    const wxBitmap bitmap = LoadBitmapResource(name);
    wxIcon icon;
    if (bitmap.IsOk())
        icon.CopyFromBitmap(bitmap);
    return icon;
}

} // namespace platform
