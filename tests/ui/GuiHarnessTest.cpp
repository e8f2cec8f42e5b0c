// The GUI test harness itself: a real toolkit, modal dialogs answered by the test, settings isolated.
#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

using namespace gui_test;

TEST(GuiHarness, ModalDialogsAreAnsweredByTheTest)
{
    CHostFrame* frame = new CHostFrame;
    frame->Show();
    int answer = 0;
    wxTEST_DIALOG(answer = wxMessageBox("Overwrite?", "Vellomar", wxYES_NO, frame),
        wxExpectModal<wxMessageDialog>(wxYES));
    EXPECT_EQ(wxYES, answer);
    frame->Destroy();
    PumpEvents(20);
}

TEST(GuiHarness, WithoutATemporaryStoreThereAreNoSettings)
{
    EXPECT_EQ(nullptr, wxConfigBase::Get());
    {
        CTempConfig store;
        EXPECT_EQ(&store.Config(), wxConfigBase::Get());
    }
    EXPECT_EQ(nullptr, wxConfigBase::Get());
}
