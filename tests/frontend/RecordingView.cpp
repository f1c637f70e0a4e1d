#include "RecordingView.h"

#include <algorithm>

namespace kiova::testing {

void TRecordingView::EraseBalloonText(std::u16string_view erased) {
    balloon_text.resize(balloon_text.size() - std::min(erased.size(), balloon_text.size()));
    ++balloon_updates;
}

void TRecordingView::SetBalloonFont(std::u16string_view name, int point_size) {
    font_name = name;
    font_size = point_size;
}

void TRecordingView::ShowAndActivate() {
    visible = true;
    ++activations;
}

void TRecordingView::CenterWindow() {
    position = QPoint((screen.width() - layout.client.width()) / 2,
                      (screen.height() - layout.client.height()) / 2);
}

void TRecordingView::SetPattingCaptions(const std::vector<std::u16string>& captions) {
    patting_captions = captions;
}

void TRecordingView::RunSelectionDialog(TCharacterSelection& selection) {
    ++selection_dialogs;
    if (on_selection)
        on_selection(selection);
    else
        selection.Cancel();
}

void TRecordingView::RunSettingsDialog() {
    ++settings_dialogs;
    if (on_settings) on_settings();
}

void TRecordingView::ShowSplash(std::u16string_view text) {
    splash_visible = true;
    splash_texts.emplace_back(text);
}

void TManualTimer::Start(int interval_ms, std::function<void()> on_tick) {
    interval = interval_ms;
    on_tick_ = std::move(on_tick);
}

void TManualTimer::Fire(int ticks) {
    for (int i = 0; i < ticks; ++i) on_tick_();
}

}  // namespace kiova::testing
