// The time-scale presets and the scale menu.
#include "ScalePresets.h"

#include "FrameDialogs.h"
#include "HostApi.h"
#include "ProcessObjects.h"
#include "QV2ResVIds.h"
#include "TDateTime.h"
#include "fw/PopupMenu.h"
#include "fw/Resources.h"

namespace {

constexpr int kPresetCommands = 16;

} // namespace

std::vector<TimeScalePreset> GetTimeScalePresets()
{
    std::vector<TimeScalePreset> presets;
    const int table[kPresetCommands][2] = {{1, 1},  {1, 5}, {1, 10}, {1, 15}, {1, 20}, {1, 30}, {2, 1}, {2, 2},
                                           {2, 3},  {2, 4}, {2, 6},  {2, 8},  {2, 12}, {3, 1},  {4, 1}, {5, 1}};
    for (int i = 0; i < kPresetCommands; ++i)
        presets.push_back({table[i][0], table[i][1], static_cast<UINT>(IDS_SCALE_FIRST + i)});
    return presets;
}

void UpdateScaleMenu(fw::CCommandState& state)
{
    HMENU menu = state.menu;
    if (!menu || !gData || !gData->ProjectSettings)
        return;
    for (int i = 0; i < kPresetCommands; ++i)
        DeleteMenu(menu, state.id + static_cast<UINT>(i), MF_BYCOMMAND);
    const int* scale = gData->ProjectSettings->Scale;
    const std::vector<TimeScalePreset> presets = GetTimeScalePresets();
    for (size_t i = 0; i < presets.size(); ++i) {
        const bool current = presets[i].unit == scale[wqv2_data::kScaleUnit] && presets[i].count == scale[wqv2_data::kScaleCount];
        AppendMenuW(menu, MF_STRING | (current ? MF_CHECKED : MF_UNCHECKED), state.id + static_cast<UINT>(i),
                    fw::PlainMenuText(fw::LoadResString(presets[i].textId).c_str()).c_str());
    }
    // The new items carry their own state; the refresh goes on behind them.
    state.nextIndex = GetMenuItemCount(menu);
}

int ApplyScaleCommand(UINT id)
{
    const std::vector<TimeScalePreset> presets = GetTimeScalePresets();
    if (id < IDM_SCALE_FIRST || id - IDM_SCALE_FIRST >= presets.size() || !gData || !gData->ProjectSettings)
        return 1;
    const TimeScalePreset& preset = presets[id - IDM_SCALE_FIRST];
    const int* scale = gData->ProjectSettings->Scale;
    if (preset.unit == scale[wqv2_data::kScaleUnit] && preset.count == scale[wqv2_data::kScaleCount])
        return 1;
    TDateTime viewDate(TDate(TDate::kEmpty), 0, true);
    const bool dateKnown = SendViewMessage(WM_MAINWND_VIEWDATE, 0, reinterpret_cast<LPARAM>(&viewDate)) == 1;
    ChangeProjectSettings([&](wqv2_data::CProjectSettings& settings) {
        settings.Scale[wqv2_data::kScaleUnit] = preset.unit;
        settings.Scale[wqv2_data::kScaleCount] = preset.count;
        if (dateKnown) {
            // Days and longer steps have no time of day to scroll to.
            if (preset.unit > 2)
                viewDate.time.SetMinutes(0);
            SendViewMessage(WM_MAINWND_VIEWDATE, 2, reinterpret_cast<LPARAM>(&viewDate));
        }
    });
    return 1;
}
