// Entry of the GUI test programs: starts the toolkit on the display, then runs the tests.
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <wx/app.h>
#include <wx/apptrait.h>
#include <wx/config.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/log.h>

namespace {

class CGuiTestApp : public wxApp {
public:
    bool OnInit() override
    {
        // Messages go to stderr: a message box would wait for a click nobody makes.
        delete wxLog::SetActiveTarget(new wxLogStderr);
        wxInitAllImageHandlers();
        return true;
    }
};

// A failed toolkit assertion (a wrong sizer flag, say) fails the running test instead of
// opening an assertion dialog.
void FailOnAssert(
    const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg)
{
    ADD_FAILURE_AT(file.utf8_str(), line) << "wx assertion in " << func << ": " << cond << " " << msg;
}

bool ListsTestsOnly(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return true;
    return false;
}

} // namespace

wxIMPLEMENT_APP_NO_MAIN(CGuiTestApp);

int main(int argc, char** argv)
{
    // Test discovery runs at build time, where there may be no display.
    const bool listOnly = ListsTestsOnly(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    if (listOnly)
        return RUN_ALL_TESTS();

    // Pages find no settings unless a test installs its own temporary store.
    wxConfigBase::DontCreateOnDemand();
    wxSetAssertHandler(FailOnAssert);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "The toolkit could not start; GUI tests need a display (xvfb-run).\n");
        return 1;
    }
    if (!wxTheApp->CallOnInit()) {
        wxEntryCleanup();
        return 1;
    }
    int result;
    {
        // An active loop for the whole run, as the program has: without one, a progress dialog
        // makes a temporary loop of its own and frees it while a test is still yielding in it.
        std::unique_ptr<wxEventLoopBase> loop(wxTheApp->GetTraits()->CreateEventLoop());
        wxEventLoopActivator activate(loop.get());
        result = RUN_ALL_TESTS();
    }
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
