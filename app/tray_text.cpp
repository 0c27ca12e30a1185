#include "app/tray_text.h"

#include "input/shortcut_keys.h"
#include "settings/paths.h"

#include <cstdio>

struct ShortcutNames {
    char spotlight[kShortcutNameSize];
    char highlight[kShortcutNameSize];
};

static ShortcutNames namesOf(const TrayShortcuts& shortcuts)
{
    ShortcutNames names;
    shortcutName(shortcuts.spotlightModifiers, shortcuts.spotlightKey, names.spotlight,
                 sizeof names.spotlight);
    shortcutName(shortcuts.highlightModifiers, shortcuts.highlightKey, names.highlight,
                 sizeof names.highlight);
    return names;
}

void trayTipText(const TrayShortcuts& shortcuts, char* buffer, size_t size)
{
    ShortcutNames names = namesOf(shortcuts);
    snprintf(buffer, size, ORBIQA_NAME ": %s %s for the spotlight, %s to highlight",
             shortcuts.holdMode ? "hold" : "press", names.spotlight, names.highlight);
}

bool startNoticeText(const TrayShortcuts& shortcuts, bool firstRun, bool spotlightTaken, bool highlightTaken,
                     char* buffer, size_t size)
{
    if (size == 0)
        return false;
    buffer[0] = '\0';
    ShortcutNames names = namesOf(shortcuts);
    // A letter alone was never offered to the system, so no other program holds it.
    const bool spotlightAlone = !shortcutAllowed(shortcuts.spotlightModifiers, shortcuts.spotlightKey);
    const bool highlightAlone = !shortcutAllowed(shortcuts.highlightModifiers, shortcuts.highlightKey);
    spotlightTaken = spotlightTaken && !spotlightAlone;
    highlightTaken = highlightTaken && !highlightAlone;
    char sentence[kBalloonTextSize];
    if (firstRun) {
        snprintf(sentence, sizeof sentence,
                 ORBIQA_NAME " runs in the notification area. %s %s for the spotlight, %s to highlight. ",
                 shortcuts.holdMode ? "Hold" : "Press", names.spotlight, names.highlight);
        appendBounded(buffer, size, sentence);
    }
    if (!spotlightTaken && !highlightTaken && !spotlightAlone && !highlightAlone) {
        if (!firstRun)
            return false;
        appendBounded(buffer, size, "Double-click the icon for Options.");
        return true;
    }
    if (spotlightTaken && highlightTaken)
        snprintf(sentence, sizeof sentence,
                 "Other programs use %s and %s; " ORBIQA_NAME " still reacts to them. ", names.spotlight,
                 names.highlight);
    else if (spotlightTaken || highlightTaken)
        snprintf(sentence, sizeof sentence, "Another program uses %s; " ORBIQA_NAME " still reacts to it. ",
                 spotlightTaken ? names.spotlight : names.highlight);
    else
        sentence[0] = '\0';
    appendBounded(buffer, size, sentence);
    if (spotlightAlone && highlightAlone)
        snprintf(sentence, sizeof sentence, "%s and %s alone do nothing: a letter needs CTRL or ALT. ",
                 names.spotlight, names.highlight);
    else if (spotlightAlone || highlightAlone)
        snprintf(sentence, sizeof sentence, "%s alone does nothing: a letter needs CTRL or ALT. ",
                 spotlightAlone ? names.spotlight : names.highlight);
    else
        sentence[0] = '\0';
    appendBounded(buffer, size, sentence);
    const int changes = spotlightTaken + highlightTaken + spotlightAlone + highlightAlone;
    appendBounded(buffer, size,
                  changes > 1 ? "Change them in Options: double-click the icon."
                              : "Change it in Options: double-click the icon.");
    return true;
}
