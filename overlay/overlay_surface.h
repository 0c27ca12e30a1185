// The two layered windows, the virtual screen they cover with its monitors, and the
// surface behind the overlay window with its presentation. Only one monitor is dimmed at
// a time; the others stay clear.
#pragma once
#include "overlay/monitors.h"
#include "overlay/surface.h"

#include <windows.h>

extern RECT screenRect; // the virtual screen, all monitors; left and top can be negative
extern MonitorLayout monitorLayout;
extern int activeMonitor; // the dimmed one
extern HWND overlayWindow;
extern HWND outlineWindow;
extern HDC overlayDC;
extern HDC surfaceDC;
extern BLENDFUNCTION blendFunction;

inline int screenWidth()
{
    return screenRect.right - screenRect.left;
}
inline int screenHeight()
{
    return screenRect.bottom - screenRect.top;
}

extern HBITMAP overlaySurface;
extern uint32_t* overlayPixels;
extern StampPos lastStampPos; // on the dimmed monitor's area

SurfacePixels overlayView();
// Asks the system for the monitors and their DPI; sets screenRect and monitorLayout.
void readMonitors();
// False when the system could not provide the surface; an earlier one stays then.
bool createOverlaySurface();
// Dims the monitor that holds the point (relative to the virtual screen's corner) and
// clears the one dimmed before; nothing when it is dimmed already.
void dimMonitorAt(int x, int y);
void dimPrimaryMonitor();
// How the monitors now differ from the last reading.
LayoutChange displayLayoutChanged();
// The monitors changed: a new surface, the overlay over all of them, the dimming on the
// cursor's monitor. Presents nothing. False, with nothing changed, when there is no surface
// of the new size.
bool followDisplayChange();
// A scale changed (WM_DPICHANGED, or the check saw it): when the monitors kept their
// places, the new scales are taken and the mask follows the dimmed monitor's. Returns what
// changed; a change of place is left to followDisplayChange.
LayoutChange followScaleChange();
void fillOverlay();
// Presents the surface; a test puts its own here to see what is handed over.
using PresentFunction = BOOL(WINAPI*)(HWND, const UPDATELAYEREDWINDOWINFO*);
extern PresentFunction presentFunction;
// Makes the surface's section; a test puts its own here to see a display change find no memory.
using SectionFunction = HBITMAP(WINAPI*)(HDC, const BITMAPINFO*, UINT, void**, HANDLE, DWORD);
extern SectionFunction sectionFunction;

// The spotlight's lower-left corner at x, y, a surface column and row, clipped to the dimmed
// monitor; the previous stamp's rectangle dimmed again. After a move only the restored and
// the stamped rectangles are presented as changed; after a fill or a monitor switch the
// whole surface.
void stampSpotlight(int x, int y);
// A fully lit rectangle (lower-left corner x, y, as above), presented whole.
void showLitRectangle(int x, int y, int width, int height);
// The spotlight centred on the point (relative to the virtual screen's corner): the
// monitor under it is dimmed and its mask scaled first, then the stamp centred.
void drawSpotlightAt(int x, int y);
void drawPreview();

// The laser pointer borrows the overlay and its surface; the spotlight gets them back dimmed.
// Cleared, so every pixel but the pointer's shows the screen as it is, and passing every click
// to the window beneath; not yet presented.
void startPointer();
// A tick of the pointer at now: its trail fades and, with dotShown, the dot is drawn at the
// point (relative to the virtual screen's corner) in the pointer's colour, scaled for the
// monitor under it. Only the changed rectangle is presented.
void drawPointerAt(int x, int y, bool dotShown, uint32_t now);
// Something of the pointer's still shows.
bool pointerTrailLeft();
// The overlay takes clicks again, dimmed anew for the spotlight; hiding it is the caller's.
void endPointer();
