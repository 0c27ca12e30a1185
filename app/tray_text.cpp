#include "app/tray_text.h"

#include "input/shortcut_keys.h"
#include "settings/paths.h"

#include <cstdio>

namespace {

enum Shortcut { spotlight, highlight, pointer, kShortcutCount };

struct ShortcutNames {
    char name[kShortcutCount][kShortcutNameSize];
};

ShortcutNames namesOf(const TrayShortcuts& shortcuts)
{
    ShortcutNames names;
    shortcutName(shortcuts.spotlightModifiers, shortcuts.spotlightKey, names.name[spotlight],
                 sizeof names.name[spotlight]);
    shortcutName(shortcuts.highlightModifiers, shortcuts.highlightKey, names.name[highlight],
                 sizeof names.name[highlight]);
    shortcutName(shortcuts.pointerModifiers, shortcuts.pointerKey, names.name[pointer],
                 sizeof names.name[pointer]);
    return names;
}

// ", CTRL+F11 for the pointer", or nothing while the pointer has no shortcut.
struct PointerPart {
    char text[kShortcutNameSize + 20];
};

PointerPart pointerPart(const TrayShortcuts& shortcuts, const ShortcutNames& names)
{
    PointerPart part = {};
    if (shortcuts.pointerKey != 0)
        snprintf(part.text, sizeof part.text, ", %s for the pointer", names.name[pointer]);
    return part;
}

// "A", "A and B" or "A, B and C": the names of the shortcuts marked, in their order.
struct NameList {
    char text[kShortcutCount * (kShortcutNameSize + 5)];
    int count;
};

NameList listOf(const ShortcutNames& names, const bool (&marked)[kShortcutCount])
{
    NameList list = {};
    int total = 0;
    for (bool each : marked)
        total += each;
    for (int i = 0; i < kShortcutCount; ++i) {
        if (!marked[i])
            continue;
        if (list.count > 0)
            appendBounded(list.text, sizeof list.text, list.count + 1 == total ? " and " : ", ");
        appendBounded(list.text, sizeof list.text, names.name[i]);
        ++list.count;
    }
    return list;
}

} // namespace

void trayTipText(const TrayShortcuts& shortcuts, char* buffer, size_t size)
{
    ShortcutNames names = namesOf(shortcuts);
    snprintf(buffer, size, ORBIQA_NAME ": %s %s for the spotlight, %s to highlight%s",
             shortcuts.holdMode ? "hold" : "press", names.name[spotlight], names.name[highlight],
             pointerPart(shortcuts, names).text);
}

bool startNoticeText(const TrayShortcuts& shortcuts, bool firstRun, bool spotlightTaken, bool highlightTaken,
                     char* buffer, size_t size, bool pointerTaken)
{
    if (size == 0)
        return false;
    buffer[0] = '\0';
    ShortcutNames names = namesOf(shortcuts);
    const bool pointerSet = shortcuts.pointerKey != 0;
    // A letter alone was never offered to the system, so no other program holds it.
    const bool alone[kShortcutCount] = {
        !shortcutAllowed(shortcuts.spotlightModifiers, shortcuts.spotlightKey),
        !shortcutAllowed(shortcuts.highlightModifiers, shortcuts.highlightKey),
        pointerSet && !shortcutAllowed(shortcuts.pointerModifiers, shortcuts.pointerKey)};
    const bool taken[kShortcutCount] = {spotlightTaken && !alone[spotlight],
                                        highlightTaken && !alone[highlight],
                                        pointerSet && pointerTaken && !alone[pointer]};
    const NameList takenList = listOf(names, taken), aloneList = listOf(names, alone);
    char sentence[kBalloonTextSize];
    if (firstRun) {
        snprintf(sentence, sizeof sentence,
                 ORBIQA_NAME " runs in the notification area. %s %s for the spotlight, %s to highlight%s. ",
                 shortcuts.holdMode ? "Hold" : "Press", names.name[spotlight], names.name[highlight],
                 pointerPart(shortcuts, names).text);
        appendBounded(buffer, size, sentence);
    }
    if (takenList.count == 0 && aloneList.count == 0) {
        if (!firstRun)
            return false;
        appendBounded(buffer, size, "Double-click the icon for Options.");
        return true;
    }
    if (takenList.count > 1)
        snprintf(sentence, sizeof sentence, "Other programs use %s; " ORBIQA_NAME " still reacts to them. ",
                 takenList.text);
    else if (takenList.count == 1)
        snprintf(sentence, sizeof sentence, "Another program uses %s; " ORBIQA_NAME " still reacts to it. ",
                 takenList.text);
    else
        sentence[0] = '\0';
    appendBounded(buffer, size, sentence);
    if (aloneList.count > 0)
        snprintf(sentence, sizeof sentence, "%s alone %s nothing: a letter needs CTRL or ALT. ",
                 aloneList.text, aloneList.count > 1 ? "do" : "does");
    else
        sentence[0] = '\0';
    appendBounded(buffer, size, sentence);
    appendBounded(buffer, size,
                  takenList.count + aloneList.count > 1 ? "Change them in Options: double-click the icon."
                                                        : "Change it in Options: double-click the icon.");
    return true;
}
