#include "ui/plugin_dialog.h"

#include "platform/file_exists.h"
#include "platform/plugin.h"
#include "platform/text.h"
#include "ui/control_ids.h"
#include "ui/player_texts.h"

namespace qennet::ui {

void PluginDialog::Show(HWND window, const std::string& file) {
    platform::PluginCall call{};
    {
        const ActionGate::PluginCall running(gate_);
        SetFocus(window);
        EnableWindow(window, FALSE);
        call = platform::ShowPluginSettings(file);
        EnableWindow(window, TRUE);
        ShowWindow(window, SW_SHOW); // some plug-ins hide the window they take for their owner
        SetForegroundWindow(window);
    }
    focus_.Restore(GetDlgItem(window, IDC_GAMES));
    if (closeAsked_) { // never under the plug-in's open dialog, as the player asked
        closeAsked_ = false;
        SendMessageW(window, WM_CLOSE, 0, 0);
        return;
    }
    const std::wstring name = platform::Utf8ToWide(file);
    if (call.outcome == platform::PluginCall::Outcome::NotLoaded)
        messages_.Tell(window, PluginNotLoadedText(name),
                       PluginLoadFailureCause(file, call.error, platform::FileExists(file)));
    else if (call.outcome == platform::PluginCall::Outcome::NoEntryPoint)
        messages_.Tell(window, PluginWithoutSettingsText(name), std::wstring());
}

bool PluginDialog::DefersClose() {
    if (!gate_.PluginCallRunning())
        return false;
    closeAsked_ = true;
    return true;
}

} // namespace qennet::ui
