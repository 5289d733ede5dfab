#pragma once
// A popup-menu sink for tests: records the items of every menu it is asked to show and answers
// the command a test chose (by id, or by the text of an item).

#include "fw/PopupMenu.h"

#include <string>
#include <vector>

namespace qvtest {

struct RecordedItem {
    UINT id = 0;
    std::wstring text;
    bool separator = false;
    bool grayed = false;
    bool checked = false;

    bool enabled() const { return !grayed; }
};

class CPopupRecorder : public fw::IPopupMenuSink {
public:
    CPopupRecorder() : m_previous(fw::SetPopupMenuSink(this)) {}
    ~CPopupRecorder() override { fw::SetPopupMenuSink(m_previous); }
    CPopupRecorder(const CPopupRecorder&) = delete;
    CPopupRecorder& operator=(const CPopupRecorder&) = delete;

    UINT Track(HMENU menu, UINT flags, POINT at, HWND owner) override
    {
        ++shown;
        // As the system does before it shows a menu that notifies its owner.
        if (!(flags & TPM_NONOTIFY) && owner)
            SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
        lastPoint = at;
        lastFlags = flags;
        items.clear();
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            RecordedItem item;
            const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
            item.separator = (state & MF_SEPARATOR) != 0;
            item.grayed = (state & MF_GRAYED) != 0;
            item.checked = (state & MF_CHECKED) != 0;
            item.id = GetMenuItemID(menu, i);
            item.text = fw::MenuItemText(menu, i);
            items.push_back(item);
        }
        if (!chooseText.empty()) {
            for (const RecordedItem& item : items) {
                if (item.text == chooseText)
                    return item.id;
            }
            return 0;
        }
        return choose;
    }

    std::vector<std::wstring> Texts() const
    {
        std::vector<std::wstring> texts;
        for (const RecordedItem& item : items)
            texts.push_back(item.separator ? L"-" : item.text);
        return texts;
    }

    UINT choose = 0;          // the answer
    std::wstring chooseText;  // or the id of the item with this text
    int shown = 0;
    POINT lastPoint{};
    UINT lastFlags = 0;
    std::vector<RecordedItem> items;

private:
    fw::IPopupMenuSink* m_previous;
};

} // namespace qvtest
