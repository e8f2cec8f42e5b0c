// The split options page: preset, track length, silence detection and inserted silence.
#include "ui/SplitPanel.h"

#include "catalogue/LocalStrings.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/config.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

namespace {

const char* const kPresetKey = "/SplitOptions/Preset";
const char* const kTrackLengthKey = "/SplitOptions/TrackLengthSlider";
const char* const kSilenceDetectionKey = "/SplitOptions/SilenceDetection";
const char* const kNoiseLevelKey = "/SplitOptions/NoiseLevel";
const char* const kSilenceDurationKey = "/SplitOptions/SilenceDuration";
const char* const kInsertSilenceKey = "/SplitOptions/InsertSilence";

const int kDefaultTrackLengthPosition = 10;
const int kNoiseLevels = 3;
const int kMaxMinDuration = 4000;
const int kAdditionalSilence = 500;

// What applying a preset sets; trackLengthPosition -1 keeps the position (unless it is 0).
struct TPreset {
    bool detection;
    int noiseLevel;
    int duration;
    int trackLengthPosition;
    bool insertSilence;
};

const TPreset kPresets[] = {
    { true, 1, 1400, -1, false }, // Audiobook
    { true, 2, 800, -1, true }, // Podcast
    { false, 1, 0, -1, false }, // Time Based
    { true, 1, 2500, 0, false }, // Pause Based
};

} // namespace

CSplitPanel::CSplitPanel(wxWindow* parent, const boost::shared_ptr<loc::CLocalStrings>& strings)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxNO_BORDER)
    , strings(strings)
    , appliedDetection(false)
    , appliedNoiseLevel(0)
    , appliedDuration(0)
    , appliedInsertSilence(false)
{
    wxConfigBase* config = wxConfigBase::Get();
    wxBoxSizer* pageSizer = new wxBoxSizer(wxVERTICAL);
    SetSizer(pageSizer);

    // Presets.
    wxPanel* presetPanel
        = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxCLIP_CHILDREN);
    pageSizer->Add(presetPanel, 0, wxEXPAND | wxALL, 5);
    wxBoxSizer* presetSizer = new wxBoxSizer(wxHORIZONTAL);
    presetPanel->SetSizer(presetSizer);
    wxArrayString presetNames;
    for (int id = 94; id <= 98; ++id)
        presetNames.Add(strings->GetString(id));
    presets = new wxRadioBox(presetPanel, ID_PRESETS, strings->GetString(93), wxDefaultPosition,
        wxDefaultSize, presetNames, 1, wxRA_SPECIFY_COLS);
    presetSizer->Add(presets, 0, wxEXPAND | wxALL, 5);
    // At the panel's default size the radio box would be laid out smaller than its own frame,
    // which the toolkit rejects with a negative height.
    presetSizer->Fit(presetPanel);

    // Split options.
    wxPanel* optionsPanel
        = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxCLIP_CHILDREN);
    pageSizer->Add(optionsPanel, 0, wxEXPAND | wxALL, 5);
    optionsPanel->MoveAfterInTabOrder(presetPanel);
    wxStaticBoxSizer* optionsSizer = new wxStaticBoxSizer(wxVERTICAL, optionsPanel, strings->GetString(100));
    optionsPanel->SetSizer(optionsSizer);

    for (int position = 0; position < TRACK_LENGTH_POSITIONS; ++position) {
        static const unsigned short shortLengths[] = { 0, 5, 10, 15, 20, 25, 30, 45, 60, 90 };
        trackLengths[position] = position < 10 ? shortLengths[position]
                                               : static_cast<unsigned short>(120 + 60 * (position - 10));
    }
    int storedPosition = kDefaultTrackLengthPosition;
    if (config)
        storedPosition = config->ReadLong(kTrackLengthKey, kDefaultTrackLengthPosition);

    // Track-length row.
    wxBoxSizer* trackLengthRow = new wxBoxSizer(wxHORIZONTAL);
    optionsSizer->Add(trackLengthRow, 1, wxEXPAND | wxALL, 5);
    trackLengthRow->Add(new wxStaticText(optionsPanel, wxID_ANY, strings->GetString(20)), 0,
        wxALIGN_CENTER_VERTICAL | wxALL, 0);
    trackLength = new wxSlider(optionsPanel, ID_TRACK_LENGTH, TRACK_LENGTH_POSITIONS - 1, 0,
        TRACK_LENGTH_POSITIONS - 1, wxDefaultPosition, wxDefaultSize, wxSL_HORIZONTAL | wxSL_BOTH);
    trackLengthRow->Add(trackLength, 1, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    // Sized for the longest text it will show, so the row does not jump while the slider moves.
    trackLengthLabel = new wxStaticText(optionsPanel, ID_TRACK_LENGTH_LABEL,
        strings->GetString(99) + strings->GetString(99), wxDefaultPosition, wxDefaultSize,
        wxST_NO_AUTORESIZE);
    trackLengthLabel->SetMinSize(trackLengthLabel->GetBestSize());
    trackLengthRow->Add(trackLengthLabel, 0, wxALIGN_CENTER_VERTICAL | wxALL, 0);
    trackLength->SetValue(storedPosition);

    // Silence detection.
    detectionPanel = new wxPanel(
        optionsPanel, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxCLIP_CHILDREN);
    optionsSizer->Add(detectionPanel, 0, wxEXPAND | wxALL, 5);
    wxStaticBoxSizer* detectionSizer
        = new wxStaticBoxSizer(wxVERTICAL, detectionPanel, strings->GetString(101));
    detectionPanel->SetSizer(detectionSizer);
    wxFlexGridSizer* grid = new wxFlexGridSizer(3, 3, 0, 0);
    grid->AddGrowableCol(1);
    detectionSizer->Add(grid, 1, wxEXPAND | wxALL, 0);

    silenceDetection = new wxCheckBox(detectionPanel, ID_SILENCE_DETECTION, strings->GetString(102));
    grid->Add(silenceDetection, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    grid->Add(10, 10);
    grid->Add(10, 10);

    grid->Add(new wxStaticText(detectionPanel, wxID_ANY, strings->GetString(104)), 0,
        wxALIGN_CENTER_VERTICAL | wxALL, 5);
    wxArrayString levels;
    for (int id = 105; id <= 107; ++id)
        levels.Add(strings->GetString(id));
    noiseLevel = new wxChoice(detectionPanel, ID_NOISE_LEVEL, wxDefaultPosition, wxDefaultSize, levels);
    noiseLevel->SetLabel(strings->GetString(104));
    grid->Add(noiseLevel, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);
    grid->Add(10, 10);

    grid->Add(new wxStaticText(detectionPanel, wxID_ANY, strings->GetString(109)), 0,
        wxALIGN_CENTER_VERTICAL | wxALL, 5);
    minDuration = new wxSlider(detectionPanel, ID_MIN_DURATION, 100, 0, kMaxMinDuration, wxDefaultPosition,
        wxDefaultSize, wxSL_HORIZONTAL | wxSL_BOTH);
    grid->Add(minDuration, 1, wxEXPAND | wxALIGN_CENTER_VERTICAL | wxALL, 5);
    minDurationLabel = new wxStaticText(detectionPanel, ID_MIN_DURATION_LABEL, "12340 ms", wxDefaultPosition,
        wxDefaultSize, wxST_NO_AUTORESIZE);
    minDurationLabel->SetMinSize(minDurationLabel->GetBestSize());
    grid->Add(minDurationLabel, 0, wxALIGN_CENTER_VERTICAL | wxALL, 5);

    optionsSizer->Add(10, 10);
    insertSilence = new wxCheckBox(optionsPanel, ID_INSERT_SILENCE, strings->GetString(110));
    optionsSizer->Add(insertSilence, 0, wxALL, 5);

    SetAutoLayout(true);

    SetDefaults();
    RestoreSettings(storedPosition);
}

CSplitPanel::~CSplitPanel()
{
    wxConfigBase* config = wxConfigBase::Get();
    if (!config)
        return;
    config->Write(kPresetKey, presets->GetSelection());
    config->Write(kTrackLengthKey, trackLength->GetValue());
    config->Write(kSilenceDetectionKey, silenceDetection->GetValue());
    config->Write(kNoiseLevelKey, noiseLevel->GetSelection());
    config->Write(kSilenceDurationKey, minDuration->GetValue());
    config->Write(kInsertSilenceKey, insertSilence->GetValue());
}

int CSplitPanel::GetNoiseLevel() const
{
    return noiseLevel->GetSelection();
}

int CSplitPanel::GetMinSilenceDuration() const
{
    return silenceDetection->GetValue() ? minDuration->GetValue() : 0;
}

float CSplitPanel::GetCutPosition() const
{
    if (!silenceDetection->GetValue())
        return 0.0f;
    return minDuration->GetValue() < 1010 ? 0.5f : 0.8f;
}

int CSplitPanel::GetTrackLengthPosition() const
{
    return trackLength->GetValue();
}

int CSplitPanel::GetTrackLength() const
{
    return TrackLengthAt(trackLength->GetValue());
}

int CSplitPanel::GetAdditionalSilenceDuration() const
{
    return insertSilence->GetValue() ? kAdditionalSilence : 0;
}

void CSplitPanel::SetTrackLengthPosition(int position)
{
    trackLength->SetValue(position);
    UpdateTrackLengthLabel();
}

void CSplitPanel::SetDefaults()
{
    presets->SetSelection(EAudiobook);
    silenceDetection->SetValue(true);
    noiseLevel->SetSelection(1);
    minDuration->SetValue(1400);
    insertSilence->SetValue(false);
    wxCommandEvent none;
    OnPreset(none);
}

// The stored preset and values come back as they were left; a stored value that no control can
// show keeps what the Audiobook preset gave it.
void CSplitPanel::RestoreSettings(int storedTrackLengthPosition)
{
    wxConfigBase* config = wxConfigBase::Get();
    if (!config || !config->Exists(kPresetKey))
        return;
    const long preset = config->ReadLong(kPresetKey, presets->GetSelection());
    if (preset >= EAudiobook && preset <= ECustom)
        presets->SetSelection(preset);
    silenceDetection->SetValue(config->ReadBool(kSilenceDetectionKey, silenceDetection->GetValue()));
    const long level = config->ReadLong(kNoiseLevelKey, noiseLevel->GetSelection());
    if (level >= 0 && level < kNoiseLevels)
        noiseLevel->SetSelection(level);
    const long duration = config->ReadLong(kSilenceDurationKey, minDuration->GetValue());
    if (duration >= 0 && duration <= kMaxMinDuration)
        minDuration->SetValue(duration);
    insertSilence->SetValue(config->ReadBool(kInsertSilenceKey, insertSilence->GetValue()));

    // Pause Based and Custom keep the stored position, even "as short as possible"; the other
    // presets never run with it, so 0 becomes their default as on a fresh start.
    const int selection = presets->GetSelection();
    if ((selection == EPauseBased || selection == ECustom) && storedTrackLengthPosition <= 0)
        SetTrackLengthPosition(storedTrackLengthPosition);

    RememberAppliedValues();
    UpdateMinDurationLabel();
    EnableDetectionControls();
}

void CSplitPanel::OnPreset(wxCommandEvent&)
{
    const int selection = presets->GetSelection();
    if (selection >= EAudiobook && selection < ECustom) {
        const TPreset& preset = kPresets[selection];
        silenceDetection->SetValue(preset.detection);
        noiseLevel->SetSelection(preset.noiseLevel);
        minDuration->SetValue(preset.duration);
        if (preset.trackLengthPosition >= 0)
            trackLength->SetValue(preset.trackLengthPosition);
        else if (trackLength->GetValue() == 0)
            trackLength->SetValue(kDefaultTrackLengthPosition);
        insertSilence->SetValue(preset.insertSilence);
    }
    RememberAppliedValues();

    wxScrollEvent scroll;
    OnTrackLength(scroll);
    wxCommandEvent none;
    OnNoiseLevel(none);
    OnMinDuration(scroll);
    EnableDetectionControls();
}

void CSplitPanel::OnSilenceDetection(wxCommandEvent&)
{
    EnableDetectionControls();
    if (silenceDetection->GetValue() != appliedDetection)
        SwitchToCustom();
}

void CSplitPanel::OnTrackLength(wxScrollEvent&)
{
    UpdateTrackLengthLabel();

    wxScrollEvent forwarded(wxEVT_SCROLL_THUMBRELEASE, TRACK_LENGTH_EVENT_ID, trackLength->GetValue());
    forwarded.SetEventObject(trackLength);
    GetEventHandler()->ProcessEvent(forwarded);

    // Only Pause Based is defined by its track length ("as short as possible").
    if (trackLength->GetValue() != 0 && presets->GetSelection() == EPauseBased)
        SwitchToCustom();
}

void CSplitPanel::OnNoiseLevel(wxCommandEvent&)
{
    if (noiseLevel->GetSelection() != appliedNoiseLevel)
        SwitchToCustom();
}

void CSplitPanel::OnMinDuration(wxScrollEvent&)
{
    UpdateMinDurationLabel();
    if (minDuration->GetValue() != appliedDuration)
        SwitchToCustom();
}

void CSplitPanel::OnInsertSilence(wxCommandEvent&)
{
    if (insertSilence->GetValue() != appliedInsertSilence)
        SwitchToCustom();
}

void CSplitPanel::RememberAppliedValues()
{
    appliedDetection = silenceDetection->GetValue();
    appliedNoiseLevel = noiseLevel->GetSelection();
    appliedDuration = minDuration->GetValue();
    appliedInsertSilence = insertSilence->GetValue();
}

void CSplitPanel::EnableDetectionControls()
{
    const bool detection = silenceDetection->GetValue();
    noiseLevel->Enable(detection);
    minDuration->Enable(detection);
}

void CSplitPanel::SwitchToCustom()
{
    if (presets->GetSelection() != ECustom)
        presets->SetSelection(ECustom);
}

void CSplitPanel::UpdateTrackLengthLabel()
{
    const int position = trackLength->GetValue();
    const int seconds = TrackLengthAt(position);
    wxString text;
    if (position == 0)
        text = wxString::Format("%s", strings->GetString(99));
    else if (seconds <= 90)
        text = wxString::Format("%d %s ", seconds, strings->GetString(53));
    else
        text = wxString::Format("%d %s ", seconds / 60, strings->GetString(52));
    trackLengthLabel->SetLabel(text);
}

void CSplitPanel::UpdateMinDurationLabel()
{
    minDurationLabel->SetLabel(wxString::Format("%d %s", minDuration->GetValue(), strings->GetString(54)));
}

int CSplitPanel::TrackLengthAt(int position) const
{
    if (position < 0)
        position = 0;
    if (position >= TRACK_LENGTH_POSITIONS)
        position = TRACK_LENGTH_POSITIONS - 1;
    return trackLengths[position];
}

// clang-format off
wxBEGIN_EVENT_TABLE(CSplitPanel, wxPanel)
    EVT_RADIOBOX(CSplitPanel::ID_PRESETS, CSplitPanel::OnPreset)
    EVT_CHECKBOX(CSplitPanel::ID_SILENCE_DETECTION, CSplitPanel::OnSilenceDetection)
    EVT_COMMAND_SCROLL(CSplitPanel::ID_TRACK_LENGTH, CSplitPanel::OnTrackLength)
    EVT_CHOICE(CSplitPanel::ID_NOISE_LEVEL, CSplitPanel::OnNoiseLevel)
    EVT_COMMAND_SCROLL(CSplitPanel::ID_MIN_DURATION, CSplitPanel::OnMinDuration)
    EVT_CHECKBOX(CSplitPanel::ID_INSERT_SILENCE, CSplitPanel::OnInsertSilence)
wxEND_EVENT_TABLE()
