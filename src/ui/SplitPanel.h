// The split options page: preset, track length, silence detection and inserted silence.
#pragma once

#include <boost/shared_ptr.hpp>
#include <wx/panel.h>

class wxCheckBox;
class wxChoice;
class wxRadioBox;
class wxScrollEvent;
class wxSlider;
class wxStaticText;
namespace loc {
class CLocalStrings;
}

// Window id of the scroll event by which the page reports a change of its track-length slider.
const int TRACK_LENGTH_EVENT_ID = 4334346;

class CSplitPanel : public wxPanel {
public:
    // Window ids of the page's controls.
    enum {
        ID_PRESETS = 10001,
        ID_SILENCE_DETECTION,
        ID_TRACK_LENGTH,
        ID_TRACK_LENGTH_LABEL,
        ID_NOISE_LEVEL,
        ID_MIN_DURATION,
        ID_MIN_DURATION_LABEL,
        ID_INSERT_SILENCE
    };
    // Preset selections.
    enum { EAudiobook = 0, EPodcast, ETimeBased, EPauseBased, ECustom };
    // Number of track-length slider positions.
    enum { TRACK_LENGTH_POSITIONS = 99 };

    // Builds the page, applies the Audiobook preset and restores the stored settings. The catalogue
    // holder must outlive the page.
    CSplitPanel(wxWindow* parent, const boost::shared_ptr<loc::CLocalStrings>& strings);
    // Writes the six settings.
    ~CSplitPanel() override;

    // Noise level: 0 low, 1 medium, 2 high.
    int GetNoiseLevel() const;
    // Minimum pause in ms; 0 without silence detection.
    int GetMinSilenceDuration() const;
    // Where in a pause to cut: 0 without silence detection, 0.5 below 1010 ms, else 0.8.
    float GetCutPosition() const;
    // Track-length slider position, 0..98.
    int GetTrackLengthPosition() const;
    // Target track length in seconds (0: as short as possible).
    int GetTrackLength() const;
    // Silence inserted at each cut in ms: 500 or 0.
    int GetAdditionalSilenceDuration() const;

    // Moves the track-length slider and its label; sends nothing and keeps the preset.
    void SetTrackLengthPosition(int position);

private:
    void OnPreset(wxCommandEvent& event);
    void OnSilenceDetection(wxCommandEvent& event);
    void OnTrackLength(wxScrollEvent& event);
    void OnNoiseLevel(wxCommandEvent& event);
    void OnMinDuration(wxScrollEvent& event);
    void OnInsertSilence(wxCommandEvent& event);

    void SetDefaults();
    void RestoreSettings(int storedTrackLengthPosition);
    void RememberAppliedValues();
    void EnableDetectionControls();
    void SwitchToCustom();
    void UpdateTrackLengthLabel();
    void UpdateMinDurationLabel();
    int TrackLengthAt(int position) const;

    const boost::shared_ptr<loc::CLocalStrings>& strings;
    wxRadioBox* presets;
    wxCheckBox* silenceDetection;
    wxSlider* trackLength;
    wxStaticText* trackLengthLabel;
    wxPanel* detectionPanel;
    wxChoice* noiseLevel;
    wxSlider* minDuration;
    wxStaticText* minDurationLabel;
    wxCheckBox* insertSilence;
    unsigned short trackLengths[TRACK_LENGTH_POSITIONS];
    bool appliedDetection;
    int appliedNoiseLevel;
    int appliedDuration;
    bool appliedInsertSilence;

    wxDECLARE_EVENT_TABLE();
};
