#include "ui/player_messages.h"

#include "ui/player_texts.h"

namespace qennet::ui {

void PlayerMessages::Tell(HWND owner, const std::wstring& what, const std::wstring& cause) const {
    std::wstring text = what;
    if (!cause.empty()) {
        text += L"\n\n";
        text += cause;
    }
    const ActionGate::OwnDialog open(gate_);
    calls_.show(calls_.context, owner, text.c_str(), kMessageCaption, MB_OK | MB_ICONEXCLAMATION);
}

void PlayerMessages::Tell(HWND owner, const std::wstring& what, platform::SystemError error) const {
    Tell(owner, what, error.Text());
}

bool PlayerMessages::Ask(HWND owner, const std::wstring& question) const {
    const ActionGate::OwnDialog open(gate_);
    return calls_.show(calls_.context, owner, question.c_str(), kMessageCaption,
                       MB_YESNO | MB_ICONWARNING) == IDYES;
}

void TellWindowNotCreated() {
    // A window destroyed during its creation has posted WM_QUIT already; left in the queue, it
    // would end the message box's own loop before the player could read it.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    MessageBoxW(nullptr, kWindowNotCreatedText, kMessageCaption, MB_OK | MB_ICONERROR);
}

} // namespace qennet::ui
