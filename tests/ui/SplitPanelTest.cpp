// The split options page in a real frame: presets, the Custom rule, labels, getters and settings.
#include "ui/SplitPanel.h"
#include "support/GuiTestSupport.h"

#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/fileconf.h>
#include <wx/radiobox.h>
#include <wx/settings.h>
#include <wx/slider.h>
#include <wx/stattext.h>

using namespace gui_test;

namespace {

class SplitOptionsPage : public CPageTest<CSplitPanel> {
protected:
    void Open() { OpenPage(); }

    template <class T> T* Control(int id) { return dynamic_cast<T*>(page->FindWindow(id)); }
    wxRadioBox* Presets() { return Control<wxRadioBox>(CSplitPanel::ID_PRESETS); }
    wxCheckBox* Detection() { return Control<wxCheckBox>(CSplitPanel::ID_SILENCE_DETECTION); }
    wxSlider* TrackLength() { return Control<wxSlider>(CSplitPanel::ID_TRACK_LENGTH); }
    wxChoice* NoiseLevel() { return Control<wxChoice>(CSplitPanel::ID_NOISE_LEVEL); }
    wxSlider* MinDuration() { return Control<wxSlider>(CSplitPanel::ID_MIN_DURATION); }
    wxCheckBox* InsertSilence() { return Control<wxCheckBox>(CSplitPanel::ID_INSERT_SILENCE); }
    wxString TrackLengthLabel() { return page->FindWindow(CSplitPanel::ID_TRACK_LENGTH_LABEL)->GetLabel(); }
    wxString DurationLabel() { return page->FindWindow(CSplitPanel::ID_MIN_DURATION_LABEL)->GetLabel(); }

    std::vector<TRecordedEvent> Forwarded()
    {
        std::vector<TRecordedEvent> scrolls;
        for (const TRecordedEvent& event : frame->events)
            if (event.id == TRACK_LENGTH_EVENT_ID)
                scrolls.push_back(event);
        return scrolls;
    }
};

} // namespace

TEST_F(SplitOptionsPage, FreshStartShowsTheAudiobookPreset)
{
    Open();
    EXPECT_EQ(CSplitPanel::EAudiobook, Presets()->GetSelection());
    EXPECT_TRUE(Detection()->GetValue());
    EXPECT_EQ(1, page->GetNoiseLevel());
    EXPECT_EQ(1400, MinDuration()->GetValue());
    EXPECT_EQ("1400 ms", DurationLabel());
    EXPECT_FALSE(InsertSilence()->GetValue());
    EXPECT_EQ(10, page->GetTrackLengthPosition());
    EXPECT_EQ(120, page->GetTrackLength());
    EXPECT_EQ("2 min ", TrackLengthLabel());
    EXPECT_TRUE(NoiseLevel()->IsEnabled());
    EXPECT_TRUE(MinDuration()->IsEnabled());
    // The parent already learns the length while the page is being built.
    const std::vector<TRecordedEvent> scrolls = Forwarded();
    ASSERT_EQ(1u, scrolls.size());
    EXPECT_EQ(10, scrolls[0].number);
}

TEST_F(SplitOptionsPage, TheTrackLengthTableAndItsLabels)
{
    Open();
    const struct {
        int position;
        int seconds;
        const char* label;
    } rows[] = {
        { 0, 0, "as short as possible" },
        { 1, 5, "5 s " },
        { 7, 45, "45 s " },
        { 9, 90, "90 s " },
        { 10, 120, "2 min " },
        { 11, 180, "3 min " },
        { 37, 1740, "29 min " },
        { 98, 5400, "90 min " },
    };
    for (const auto& row : rows) {
        page->SetTrackLengthPosition(row.position);
        EXPECT_EQ(row.seconds, page->GetTrackLength()) << row.position;
        EXPECT_EQ(row.label, TrackLengthLabel()) << row.position;
    }
    // Setting the position from outside keeps the preset and sends nothing.
    EXPECT_EQ(CSplitPanel::EAudiobook, Presets()->GetSelection());
    frame->events.clear();
    page->SetTrackLengthPosition(20);
    EXPECT_TRUE(Forwarded().empty());
}

TEST_F(SplitOptionsPage, EveryPresetSetsItsValues)
{
    Open();
    const struct {
        int preset;
        bool detection;
        int level;
        int duration;
        bool insert;
    } presets[] = {
        { CSplitPanel::EPodcast, true, 2, 800, true },
        { CSplitPanel::ETimeBased, false, 1, 0, false },
        { CSplitPanel::EPauseBased, true, 1, 2500, false },
        { CSplitPanel::EAudiobook, true, 1, 1400, false },
    };
    for (const auto& p : presets) {
        Select(Presets(), p.preset);
        EXPECT_EQ(p.preset, Presets()->GetSelection());
        EXPECT_EQ(p.detection, Detection()->GetValue()) << p.preset;
        EXPECT_EQ(p.level, page->GetNoiseLevel()) << p.preset;
        EXPECT_EQ(p.duration, MinDuration()->GetValue()) << p.preset;
        EXPECT_EQ(p.insert, InsertSilence()->GetValue()) << p.preset;
        EXPECT_EQ(p.detection, NoiseLevel()->IsEnabled()) << p.preset;
        EXPECT_EQ(p.detection, MinDuration()->IsEnabled()) << p.preset;
    }
    // Leaving Pause Based: position 0 is replaced by the default length.
    EXPECT_EQ(10, page->GetTrackLengthPosition());

    // Custom Settings changes nothing.
    Select(Presets(), CSplitPanel::EPodcast);
    Select(Presets(), CSplitPanel::ECustom);
    EXPECT_EQ(800, MinDuration()->GetValue());
    EXPECT_TRUE(InsertSilence()->GetValue());
}

TEST_F(SplitOptionsPage, PresetsKeepAChosenTrackLength)
{
    Open();
    page->SetTrackLengthPosition(37);
    Select(Presets(), CSplitPanel::EPodcast);
    EXPECT_EQ(37, page->GetTrackLengthPosition());
    Select(Presets(), CSplitPanel::ETimeBased);
    EXPECT_EQ(37, page->GetTrackLengthPosition());
}

TEST_F(SplitOptionsPage, PauseBasedCutsAsShortAsPossibleAndSaysSo)
{
    Open();
    frame->events.clear();
    Select(Presets(), CSplitPanel::EPauseBased);
    EXPECT_EQ(0, page->GetTrackLengthPosition());
    EXPECT_EQ("as short as possible", TrackLengthLabel());
    const std::vector<TRecordedEvent> scrolls = Forwarded();
    ASSERT_EQ(1u, scrolls.size());
    EXPECT_EQ(wxEVT_SCROLL_THUMBRELEASE, scrolls[0].type);
    EXPECT_EQ(0, scrolls[0].number);
    EXPECT_EQ(TrackLength(), scrolls[0].object);
}

TEST_F(SplitOptionsPage, MovingTheTrackLengthOffZeroLeavesPauseBased)
{
    Open();
    Select(Presets(), CSplitPanel::EPauseBased);
    frame->events.clear();
    Scroll(TrackLength(), 12);
    EXPECT_EQ(CSplitPanel::ECustom, Presets()->GetSelection());
    EXPECT_EQ("4 min ", TrackLengthLabel());
    const std::vector<TRecordedEvent> scrolls = Forwarded();
    ASSERT_EQ(1u, scrolls.size());
    EXPECT_EQ(12, scrolls[0].number);
}

TEST_F(SplitOptionsPage, OtherPresetsSurviveTrackLengthChanges)
{
    Open();
    frame->events.clear();
    Scroll(TrackLength(), 0);
    Scroll(TrackLength(), 50);
    EXPECT_EQ(CSplitPanel::EAudiobook, Presets()->GetSelection());
    EXPECT_EQ(2u, Forwarded().size());
}

TEST_F(SplitOptionsPage, ChangingADetectionValueSwitchesToCustomForGood)
{
    Open();
    Select(NoiseLevel(), 2);
    EXPECT_EQ(CSplitPanel::ECustom, Presets()->GetSelection());
    Select(NoiseLevel(), 1);
    EXPECT_EQ(CSplitPanel::ECustom, Presets()->GetSelection());
}

TEST_F(SplitOptionsPage, EachControlSwitchesToCustom)
{
    Open();
    Scroll(MinDuration(), 900);
    EXPECT_EQ("900 ms", DurationLabel());
    EXPECT_EQ(CSplitPanel::ECustom, Presets()->GetSelection());

    Select(Presets(), CSplitPanel::EAudiobook);
    Toggle(InsertSilence());
    EXPECT_EQ(CSplitPanel::ECustom, Presets()->GetSelection());

    Select(Presets(), CSplitPanel::EAudiobook);
    Toggle(Detection());
    EXPECT_EQ(CSplitPanel::ECustom, Presets()->GetSelection());
    EXPECT_FALSE(NoiseLevel()->IsEnabled());
    EXPECT_FALSE(MinDuration()->IsEnabled());
}

TEST_F(SplitOptionsPage, ANoChangeEventKeepsThePreset)
{
    Open();
    Scroll(MinDuration(), 1400);
    Select(NoiseLevel(), 1);
    EXPECT_EQ(CSplitPanel::EAudiobook, Presets()->GetSelection());
}

TEST_F(SplitOptionsPage, CheckingDetectionUnderTimeBasedEnablesItsControls)
{
    Open();
    Select(Presets(), CSplitPanel::ETimeBased);
    EXPECT_FALSE(NoiseLevel()->IsEnabled());
    Toggle(Detection());
    EXPECT_TRUE(NoiseLevel()->IsEnabled());
    EXPECT_TRUE(MinDuration()->IsEnabled());
    EXPECT_EQ(CSplitPanel::ECustom, Presets()->GetSelection());
}

TEST_F(SplitOptionsPage, GettersFollowDetectionAndDuration)
{
    Open();
    MinDuration()->SetValue(1009);
    EXPECT_FLOAT_EQ(0.5f, page->GetCutPosition());
    EXPECT_EQ(1009, page->GetMinSilenceDuration());
    MinDuration()->SetValue(1010);
    EXPECT_FLOAT_EQ(0.8f, page->GetCutPosition());
    Detection()->SetValue(false);
    EXPECT_FLOAT_EQ(0.0f, page->GetCutPosition());
    EXPECT_EQ(0, page->GetMinSilenceDuration());
    EXPECT_EQ(0, page->GetAdditionalSilenceDuration());
    InsertSilence()->SetValue(true);
    EXPECT_EQ(500, page->GetAdditionalSilenceDuration());
}

TEST_F(SplitOptionsPage, StoredTrackLengthComesBackAndZeroBecomesTheDefault)
{
    CTempConfig store;
    store.Config().Write("/SplitOptions/TrackLengthSlider", 37);
    Open();
    EXPECT_EQ(37, page->GetTrackLengthPosition());
    EXPECT_EQ("29 min ", TrackLengthLabel());
    Close();

    store.Config().Write("/SplitOptions/TrackLengthSlider", 0);
    Open();
    EXPECT_EQ(10, page->GetTrackLengthPosition());
    Close();

    store.Config().Write("/SplitOptions/TrackLengthSlider", 500);
    Open();
    EXPECT_EQ(98, page->GetTrackLengthPosition());
    EXPECT_EQ(5400, page->GetTrackLength());
}

TEST_F(SplitOptionsPage, SettingsSurviveADestroyAndRecreate)
{
    CTempConfig store;
    Open();
    Select(Presets(), CSplitPanel::EPodcast);
    Scroll(TrackLength(), 25);
    Scroll(MinDuration(), 650);
    Close();
    store.Reload();
    EXPECT_EQ(4, store.Config().ReadLong("/SplitOptions/Preset", -1));
    EXPECT_EQ(25, store.Config().ReadLong("/SplitOptions/TrackLengthSlider", -1));
    EXPECT_TRUE(store.Config().ReadBool("/SplitOptions/SilenceDetection", false));
    EXPECT_EQ(2, store.Config().ReadLong("/SplitOptions/NoiseLevel", -1));
    EXPECT_EQ(650, store.Config().ReadLong("/SplitOptions/SilenceDuration", -1));
    EXPECT_TRUE(store.Config().ReadBool("/SplitOptions/InsertSilence", false));

    Open();
    EXPECT_EQ(CSplitPanel::ECustom, Presets()->GetSelection());
    EXPECT_EQ(25, page->GetTrackLengthPosition());
    EXPECT_EQ(2, page->GetNoiseLevel());
    EXPECT_EQ(650, page->GetMinSilenceDuration());
    EXPECT_EQ("650 ms", DurationLabel());
    EXPECT_EQ(500, page->GetAdditionalSilenceDuration());
    // The restored values are the applied ones: re-selecting them does not leave the preset.
    Select(Presets(), CSplitPanel::EPodcast);
    Select(NoiseLevel(), 2);
    EXPECT_EQ(CSplitPanel::EPodcast, Presets()->GetSelection());
}

TEST_F(SplitOptionsPage, PauseBasedComesBackAsShortAsPossible)
{
    CTempConfig store;
    Open();
    Select(Presets(), CSplitPanel::EPauseBased);
    Close();
    Open();
    EXPECT_EQ(CSplitPanel::EPauseBased, Presets()->GetSelection());
    EXPECT_EQ(0, page->GetTrackLengthPosition());
    EXPECT_EQ("as short as possible", TrackLengthLabel());
    EXPECT_EQ(2500, page->GetMinSilenceDuration());
}

TEST_F(SplitOptionsPage, OutOfRangeStoredValuesKeepTheDefaults)
{
    CTempConfig store;
    store.Config().Write("/SplitOptions/Preset", 9);
    store.Config().Write("/SplitOptions/NoiseLevel", 3);
    store.Config().Write("/SplitOptions/SilenceDuration", 99999);
    Open();
    EXPECT_EQ(CSplitPanel::EAudiobook, Presets()->GetSelection());
    EXPECT_EQ(1, page->GetNoiseLevel());
    EXPECT_EQ(1400, page->GetMinSilenceDuration());
}

TEST_F(SplitOptionsPage, WithoutAStoreNothingIsReadOrWritten)
{
    Open();
    EXPECT_EQ(10, page->GetTrackLengthPosition());
    Close();
    EXPECT_EQ(nullptr, wxConfigBase::Get(false));
}

TEST_F(SplitOptionsPage, Screenshot)
{
    Open();
    Select(Presets(), CSplitPanel::EPauseBased);
    const std::string path = SaveScreenshot(page, "split_options_page");
    // Pause-based splitting ticks silence detection and inserts no silence.
    const wxColour selection = wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT);
    EXPECT_GT(CountPixels(path, page->FindWindow(CSplitPanel::ID_SILENCE_DETECTION), selection), 20);
    EXPECT_EQ(0, CountPixels(path, page->FindWindow(CSplitPanel::ID_INSERT_SILENCE), selection));
}
